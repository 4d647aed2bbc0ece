#include "designer/EditForm.h"
#include "designer/MainForm.h"
#include "designer/NewPageForm.h"
#include "designer/PageHost.h"
#include "designer/PageNames.h"
#include "designer/PagePreview.h"
#include "designer/ProjectSaver.h"
#include "designer/PropertyEditor.h"
#include "designer/ShadowPreview.h"
#include "platform/MessageBoxes.h"
#include "player/AutoRunForm.h"
#include "project/PageStream.h"
#include "render/AnsiText.h"
#include "render/SystemColors.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QTabBar>

namespace brelvane {

namespace {
QString KindName(std::uint8_t kind) {
    const auto name = PageKindName(kind);
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}
} // namespace

void TMainForm::AppendPageTab(const TAutoFormInfo& entry) {
    switching_ = true;
    const int tab = pageControl1_->addTab(FromAnsi(entry.Name));
    pageControl1_->setTabToolTip(tab, KindName(entry.Kind));
    switching_ = false;
}

void TMainForm::RebuildPageTabs() {
    editForm_->hide();
    project_.CurrentPageIndex = -1;
    switching_ = true;
    while (pageControl1_->count() > 0)
        pageControl1_->removeTab(0);
    switching_ = false;
    for (const auto& entry : project_.Index.Pages)
        AppendPageTab(*entry);
    statusPanel1_->setText(QString::fromStdString(project_.BaseFolder));
}

bool TMainForm::ParkCurrentPage() {
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry || !entry->InDesignerTemp || project_.IsLocked(entry) || !host_->Model())
        return true;
    return SavePageFile(WorkingCopy(entry->Name), host_->Model()->Page());
}

void TMainForm::PageControl1Change() {
    if (pageControl1_->count() == 0) return;
    editForm_->hide();
    if (!ParkCurrentPage()) {
        // The page stays: its only copy is the live model.
        switching_ = true;
        pageControl1_->setCurrentIndex(project_.CurrentPageIndex);
        switching_ = false;
        editForm_->show();
        return;
    }
    project_.CurrentPageIndex = pageControl1_->currentIndex();
    auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry) return;
    UpdateEnvironment();
    if (!host_->Load(entry->Name)) project_.LockedPages.insert(entry);
    if (!entry->InDesignerTemp) CenterPage();
    RebuildGroupList();
    editForm_->SyncSurface();
    editForm_->show();
    RepaintShadowPreview();
    propertyEditor_->FillProperties();
    Edit1Click();
    timer1_.start();
}

void TMainForm::CenterPage(TPageRecord& page) const {
    const QSize area = scrollBox1_->viewport()->size();
    page.Left = std::max(0, (area.width() - page.Width) / 2);
    page.Top = std::max(0, (area.height() - page.Height) / 2);
}

void TMainForm::CenterPage() {
    if (host_->Model()) CenterPage(host_->Model()->Page());
}

void TMainForm::RepaintShadowPreview() {
    auto* model = host_->Model();
    const QRect surface = editForm_->isHidden() ? QRect() : editForm_->geometry();
    const QSize size = scrollBox1_->viewport()->size().expandedTo(
        QSize(surface.right() + 16, surface.bottom() + 16));
    std::optional<QRect> shadow;
    QColor shadowColor;
    int alpha = 0;
    if (model && model->Page().Shadow && !surface.isNull()) {
        const auto& page = model->Page();
        shadow = surface.translated(page.ShadowXOff, page.ShadowYOff);
        shadowColor = ResolveColor(page.ShadowColor);
        alpha = page.ShadowAlpha;
    }
    shadowPreview_ =
        RenderShadowPreview(size, ResolveColor(settings_.BackColor), shadow, shadowColor, alpha);
    image1_->setPixmap(QPixmap::fromImage(shadowPreview_));
    image1_->resize(size);
}

void TMainForm::NewSubPage1Click() {
    TNewPageForm form(this, [this](std::uint8_t kind) { return project_.HasKind(kind); });
    if (form.exec() != QDialog::Accepted) return;
    TPageRecord page;
    if (form.Source() == TNewPageSource::Template) {
        const auto path = PickPageTemplate(form.Kind());
        if (path.empty() || !ReadPageTemplate(path, page)) return;
    } else if (form.Source() == TNewPageSource::Duplicate && host_->Model()) {
        TMemoryStream copy;
        if (!WritePage(copy, host_->Model()->Page())) return;
        copy.Seek(0);
        if (!ReadPage(copy, page, TPageReadMode::Build, {})) return;
    }
    const auto kind = form.Kind();
    page.PageKind = kind;
    page.Caption = std::string(PageKindName(kind));
    const auto name = UniquePageName(PageNames(project_.Index), page.Caption);
    page.PageName = name;
    CenterPage(page);
    // Without its working copy the new page would exist nowhere.
    if (!SavePageFile(WorkingCopy(name), page)) return;
    auto entry = std::make_unique<TAutoFormInfo>();
    entry->Name = entry->SavedName = name;
    entry->Kind = kind;
    entry->InDesignerTemp = true;
    AppendPageTab(*entry);
    project_.Index.Pages.push_back(std::move(entry));
    switching_ = true;
    pageControl1_->setCurrentIndex(pageControl1_->count() - 1);
    switching_ = false;
    PageControl1Change();
    SetModified(true);
}

void TMainForm::DeleteSubPage1Click() {
    auto* entry = project_.Entry(pageControl1_->currentIndex());
    if (!entry) return;
    if (entry->Kind == pkMainPage) {
        platform::ShowInformation(this, "Information", "Main page can not be deleted.");
        return;
    }
    if (!platform::AskYesNo(this, "Confirm",
                            "Delete \"" + FromAnsi(entry->Name) + "\" page. Continue? ",
                            platform::TMessageIcon::Information))
        return;
    SetModified(true);
    const int index = pageControl1_->currentIndex();
    project_.CurrentPageIndex = -1;
    ReleasePage();
    std::remove(WorkingCopy(entry->Name).c_str());
    project_.LockedPages.erase(entry);
    undo_.Forget(entry);
    auto& pages = project_.Index.Pages;
    project_.DeletedPages.push_back(std::move(pages[static_cast<std::size_t>(index)]));
    pages.erase(pages.begin() + index);
    switching_ = true;
    pageControl1_->removeTab(index);
    switching_ = false;
    PageControl1Change();
}

bool TMainForm::RenamePage(const std::string& newName) {
    auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry || !host_->Model()) return false;
    if (newName == entry->Name) return true;
    if (project_.IsLocked(entry)) {
        platform::ShowInformation(this, "Information",
                                  "The page \"" + FromAnsi(entry->Name) +
                                      "\" could not be read and is not changed.");
        return false;
    }
    if (!IsPlainPageName(newName)) {
        platform::ShowInformation(this, "Information",
                                  "\"" + FromAnsi(newName) +
                                      "\" can not be a page name: it is also the name of the "
                                      "page's file.");
        return false;
    }
    if (NameTakenIgnoringCase(PageNames(project_.Index), newName)) {
        platform::ShowInformation(this, "Information",
                                  "A page named " + FromAnsi(newName) + " already exists.");
        return false;
    }
    host_->Model()->Page().PageName = newName;
    std::remove(WorkingCopy(entry->Name).c_str());
    entry->Name = newName;
    pageControl1_->setTabText(project_.CurrentPageIndex, FromAnsi(newName));
    SetModified(true);
    return true;
}

void TMainForm::PreviewPage() {
    if (!CommitPendingEdit() || !host_->Model()) return;
    TMemoryStream stream;
    if (!WritePage(stream, host_->Model()->Page())) return;
    stream.Seek(0);
    ShowPagePreview(stream);
}

} // namespace brelvane
