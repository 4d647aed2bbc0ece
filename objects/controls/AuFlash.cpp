#include "objects/controls/AuFlash.h"

#include "objects/controls/Docking.h"
#include "objects/records/FlashPayload.h"
#include "platform/FlashHost.h"
#include "platform/Shell.h"
#include "platform/WebEngine.h"
#include "storage/FilePaths.h"
#include "storage/swf/SwfMovie.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>

namespace brelvane {

namespace {
// A movie that must not loop is served as a copy that stops at its end;
// one that cannot be changed so plays as it is.
QByteArray PlayOnceCopy(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto copy =
        StopAtLastFrame(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())));
    if (!copy) return {};
    return QByteArray(reinterpret_cast<const char*>(copy->data()),
                      static_cast<qsizetype>(copy->size()));
}
} // namespace

TAuFlash::TAuFlash(TAutoObject& object, QWidget* parent)
    : TObjectWidget(object, parent), label_(new QLabel(this)) {
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setCursor(Qt::PointingHandCursor);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label_->setPalette(palette);
    label_->installEventFilter(this);
    label_->setGeometry(rect());
    Refresh();
}

TAuFlash::~TAuFlash() = default;

void TAuFlash::Refresh() {
    ApplyGeometry();
    if (const auto* payload = PayloadAs<TFlashPayload>()) {
        if (!docking_)
            docking_ = new TDocking(*this, payload->Align);
        else
            docking_->SetAlign(payload->Align);
    }
    update();
}

void TAuFlash::CreatePlayer(const std::string& base) {
    view_.reset();
    // Until a player plays, the object says how to get one.
    label_->setFrameStyle(QFrame::Panel | QFrame::Plain);
    label_->setText(kFlashMissingText);
    label_->show();
    auto* engine = platform::LoadedWebEngine();
    if (!engine || platform::FlashEngineFolder().isEmpty()) return;
    view_ = engine->CreateView(this, {.AutoPlay = true});
    view_->Widget()->setGeometry(rect());
    view_->Widget()->show();
    label_->setFrameStyle(QFrame::NoFrame);
    label_->hide();
    ApplyMovie(base);
}

void TAuFlash::ApplyMovie(const std::string& base) {
    const auto* payload = PayloadAs<TFlashPayload>();
    if (!payload || !view_) return;
    if (payload->MovieFile.empty()) {
        movie_ = " ";
    } else {
        std::string file = payload->MovieFile;
        if (file.front() != '\\') file.insert(file.begin(), '\\');
        movie_ = ResolvePath(base + file);
    }
    platform::FlashMovieSettings settings;
    settings.MovieFile = QString::fromStdString(movie_);
    settings.ContextMenu = payload->ContextMenu;
    if (!payload->Loop && movie_ != " ") settings.MovieBytes = PlayOnceCopy(movie_);
    const QUrl page = platform::FlashHostPage(settings);
    if (page.isEmpty()) {
        view_.reset();
        label_->show();
        return;
    }
    view_->Load(page);
    label_->clear();
}

bool TAuFlash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease && !view_ &&
        !label_->text().isEmpty() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        platform::CurrentShell().Execute({"open", kFlashHelpAddress, {}, {}, 1});
    return TObjectWidget::eventFilter(watched, event);
}

void TAuFlash::resizeEvent(QResizeEvent* event) {
    TObjectWidget::resizeEvent(event);
    label_->setGeometry(rect());
    if (view_) view_->Widget()->setGeometry(rect());
}

} // namespace brelvane
