#include "dialogs/ActionIcons.h"

#include "dialogs/ActionTypes.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace brelvane {

namespace {
constexpr int kIconSize = 16;

enum class TFamily { None, Files, Web, Sound, Pages, Windows, Media, Control, Objects };

// The media object controls (types 19..25) show the transport marks of a
// player's buttons; every other type shows a two-letter mark.
enum class TMark { Letters, Play, Stop, Pause, Previous, Next, First, Last };

struct TActionLook {
    TFamily Family;
    TMark Mark;
    const char* Letters;
};

constexpr std::array<TActionLook, kActionTypeCount> kLooks{{
    {TFamily::None, TMark::Letters, ""},      // None
    {TFamily::Files, TMark::Letters, "Ru"},   // Open/Run File
    {TFamily::Web, TMark::Letters, "Ww"},     // Visit Website
    {TFamily::Web, TMark::Letters, "@"},      // Send Email
    {TFamily::Sound, TMark::Letters, "Sd"},   // Play Sound
    {TFamily::Files, TMark::Letters, "Pr"},   // Print Document
    {TFamily::Pages, TMark::Letters, "Sp"},   // Show Sub Page
    {TFamily::Files, TMark::Letters, "Br"},   // Browse CD/Folder
    {TFamily::Windows, TMark::Letters, "Cl"}, // Close Window
    {TFamily::Windows, TMark::Letters, "Ex"}, // Exit
    {TFamily::Sound, TMark::Letters, "Ss"},   // Stop Sound
    {TFamily::Sound, TMark::Letters, "Sa"},   // Stop All Sound
    {TFamily::Pages, TMark::Letters, "Go"},   // Goto Page
    {TFamily::Media, TMark::Letters, "Pi"},   // Show Picture
    {TFamily::Media, TMark::Letters, "Me"},   // Launch Media File
    {TFamily::Media, TMark::Letters, "Sh"},   // Launch Slide Show
    {TFamily::Windows, TMark::Letters, "Ms"}, // Show Message
    {TFamily::Files, TMark::Letters, "Cp"},   // Copy File(s) then Open/Run
    {TFamily::Windows, TMark::Letters, "Mi"}, // Minimize
    {TFamily::Control, TMark::Play, ""},      // Play
    {TFamily::Control, TMark::Stop, ""},      // Stop
    {TFamily::Control, TMark::Pause, ""},     // Pause
    {TFamily::Control, TMark::Previous, ""},  // Previous
    {TFamily::Control, TMark::Next, ""},      // Next
    {TFamily::Control, TMark::First, ""},     // First/Back
    {TFamily::Control, TMark::Last, ""},      // Last/Step
    {TFamily::Files, TMark::Letters, "Lf"},   // Load File with Object
    {TFamily::Objects, TMark::Letters, "SH"}, // Show/Hide Enable/Disable Objects
    {TFamily::Objects, TMark::Letters, "Gr"}, // Action Group
}};

QColor FamilyColor(TFamily family) {
    switch (family) {
    case TFamily::None:
        return QColor(150, 150, 150);
    case TFamily::Files:
        return QColor(40, 100, 180);
    case TFamily::Web:
        return QColor(30, 140, 90);
    case TFamily::Sound:
        return QColor(200, 120, 20);
    case TFamily::Pages:
        return QColor(120, 70, 170);
    case TFamily::Windows:
        return QColor(180, 50, 50);
    case TFamily::Media:
        return QColor(20, 130, 150);
    case TFamily::Control:
        return QColor(60, 60, 70);
    case TFamily::Objects:
        return QColor(150, 110, 40);
    }
    return Qt::gray;
}

// A right-pointing triangle with its left edge at `left`, or a left-pointing
// one with its right edge there.
void Triangle(QPainter& painter, qreal left, bool pointsRight) {
    const qreal tip = pointsRight ? left + 5 : left - 5;
    QPainterPath path;
    path.moveTo(left, 4);
    path.lineTo(tip, 8);
    path.lineTo(left, 12);
    path.closeSubpath();
    painter.drawPath(path);
}

void DrawTransport(QPainter& painter, TMark mark) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    switch (mark) {
    case TMark::Play:
        Triangle(painter, 5, true);
        break;
    case TMark::Stop:
        painter.drawRect(QRectF(4.5, 4.5, 7, 7));
        break;
    case TMark::Pause:
        painter.drawRect(QRectF(4.5, 4, 2.5, 8));
        painter.drawRect(QRectF(9, 4, 2.5, 8));
        break;
    case TMark::Previous:
        Triangle(painter, 8, false);
        Triangle(painter, 13, false);
        break;
    case TMark::Next:
        Triangle(painter, 3, true);
        Triangle(painter, 8, true);
        break;
    case TMark::First:
        painter.drawRect(QRectF(3.5, 4, 1.5, 8));
        Triangle(painter, 11, false);
        break;
    case TMark::Last:
        Triangle(painter, 5, true);
        painter.drawRect(QRectF(11, 4, 1.5, 8));
        break;
    case TMark::Letters:
        break;
    }
}

QPixmap DrawActionIcon(const TActionLook& look) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = FamilyColor(look.Family);
    painter.setBrush(color);
    painter.setPen(color.darker(140));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1), 3, 3);
    if (look.Mark != TMark::Letters) {
        DrawTransport(painter, look.Mark);
    } else {
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(8);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter,
                         QString::fromLatin1(look.Letters));
    }
    painter.end();
    return pixmap;
}
} // namespace

QIcon ActionIcon(int type) {
    // Drawn once per type: every row of every action list shows one.
    static QHash<int, QIcon> drawn;
    if (type < 0 || type >= kActionTypeCount) type = 0;
    if (const auto found = drawn.find(type); found != drawn.end()) return *found;
    return drawn[type] = QIcon(DrawActionIcon(kLooks[static_cast<std::size_t>(type)]));
}

} // namespace brelvane
