#include "objects/controls/AuExplorer.h"

#include "objects/controls/Docking.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/LinkCommand.h"
#include "platform/Shell.h"
#include "platform/WebEngine.h"
#include "render/AnsiText.h"
#include "storage/FilePaths.h"

#include <QPainter>
#include <QTimer>

namespace brelvane {

namespace {
bool UnderBase(const TExplorerFields& fields) {
    return fields.ExplorerType != etWebSite && !fields.Location.empty() &&
           fields.Location.front() == '\\';
}
} // namespace

std::string NavigationTarget(const TExplorerFields& fields, const std::string& base) {
    return UnderBase(fields) ? base + fields.Location : fields.Location;
}

QUrl BrowserUrl(const std::string& target, bool underBase) {
    if (underBase) return QUrl::fromLocalFile(QString::fromStdString(ResolvePath(target)));
    const QString text = FromAnsi(target);
    // A web site's location goes to the browser as it was typed.
    return text.startsWith('\\') ? QUrl(text) : QUrl::fromUserInput(text);
}

TAuExplorerE::TAuExplorerE(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {
    Refresh();
}

const TExplorerFields* TAuExplorerE::Fields() const {
    return ExplorerFieldsOf(Record().Payload.get());
}

void TAuExplorerE::Refresh() {
    RestoreBounds();
    update();
}

void TAuExplorerE::RestoreBounds() {
    ApplyGeometry();
    const auto* fields = Fields();
    if (!fields) return;
    if (!docking_)
        docking_ = new TDocking(*this, fields->Align);
    else
        docking_->SetAlign(fields->Align);
}

void TAuExplorerE::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (const auto* fields = Fields()) {
        const QRect text = rect().adjusted(6, 4, -6, -4);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(FromAnsi(fields->Location),
                                                          Qt::ElideMiddle, text.width()));
    }
}

TAuExplorer::TAuExplorer(TAutoObject& object, QWidget* parent) : TAuExplorerE(object, parent) {
    auto* engine = platform::LoadedWebEngine();
    if (!engine) return;
    view_ = engine->CreateView(this, {});
    view_->Widget()->setGeometry(rect());
    view_->OnNavigation = [this](const QUrl& url) { return AcceptNavigation(url); };
    view_->OnDownload = [](const QUrl& url) {
        if (url.isLocalFile())
            platform::CurrentShell().Execute({"open", url.toLocalFile().toStdString(), {}, {}, 1});
    };
}

TAuExplorer::~TAuExplorer() = default;

void TAuExplorer::NavigateLocation(const std::string& base) {
    const auto* fields = Fields();
    if (!fields) return;
    const auto target = NavigationTarget(*fields, base);
    if (target.empty()) return;
    navigated_ = BrowserUrl(target, UnderBase(*fields));
    if (view_) view_->Load(navigated_);
}

bool TAuExplorer::AcceptNavigation(const QUrl& url) {
    // The browser writes backslashes as slashes and escapes blanks; the
    // command sees the address as the author wrote it.
    const QString address = QUrl::fromPercentEncoding(url.toEncoded());
    if (!ParseLinkCommand(ToAnsi(address))) return true;
    // Never inside the browser's own call: the command may close this page.
    QTimer::singleShot(0, this, [this, address] { emit LinkCommand(this, address); });
    return false;
}

void TAuExplorer::resizeEvent(QResizeEvent* event) {
    TAuExplorerE::resizeEvent(event);
    if (view_) view_->Widget()->setGeometry(rect());
}

} // namespace brelvane
