#pragma once

#include "designer/SurfaceGeometry.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace brelvane {

class TKeySink;
class TPageHost;
class TSurfaceImage;
struct TAutoObject;

// The outer frame a page window gets from its border style.
struct TFrameMetrics {
    int Border = 0;  // frame thickness on each side
    int Caption = 0; // title bar height
};
TFrameMetrics FrameMetricsOf(std::uint8_t borderStyle);

// What the editing surface asks of the main window.
class TSurfaceOwner {
public:
    virtual ~TSurfaceOwner() = default;
    // False while the property editor holds a value it cannot take.
    virtual bool CommitPendingEdit() = 0;
    virtual void SetModified(bool value) = 0;
    // Called before every change of the page, with the command's name.
    virtual void RecordUndoStep(const QString& label) = 0;
    virtual TGrid Grid() const = 0;
    // The kind the next left press adds while an adding tool button is down.
    virtual std::optional<std::uint8_t> AddingKind() const = 0;
    // One press adds one object: the Select button goes down again.
    virtual void AddingDone() = 0;
};

enum class TDragMode { Idle, Band, Dragging };

// What the current press started.
struct TSurfaceState {
    TDragMode DragMode = TDragMode::Idle;
    int Grip = kNoGrip;
    QPoint LastPoint{-1, -1};
    QPoint Anchor{-1, -1};
    // The rubber band as last drawn; null when none is drawn.
    QRect BandRect;
    bool Moved = false;
    bool CreatedOnPress = false;
    // The drag has recorded its undo step: a drag is one step.
    bool StepRecorded = false;
};

enum class TAlignMode { Left, Center, Right, Top, Middle, Bottom };

// The editing surface: it imitates the current page's window (frame, caption,
// menu bar, tool bar, status bar) around a painted picture of the page's
// object panel (`Image1`) with the design marks drawn over it, and lets the
// user place, select, move, size, align, stack, copy and delete objects.
class TEditForm : public QWidget {
    Q_OBJECT
public:
    TEditForm(TPageHost& host, TSurfaceOwner& owner, QWidget* parent);

    // Makes the window imitate the page of the host's model.
    void SyncSurface();
    // Keeps every object on the page, repaints the picture and the marks.
    void RepaintSurface();
    // The page's own fields changed (size, frame, background): the panel,
    // its background and the window follow.
    void PageChanged();
    // The host's model was replaced by another state of the same page (undo):
    // the window follows it and the followers are told.
    void PageReplaced();

    // The pointer on `Image1`, in panel coordinates.
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void Image1MouseMove(QPoint point);
    void Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);

    // Editing commands.
    void SelectAll();
    void DeleteSelected();
    void ClearPage();
    void BringToFront();
    void SendToBack();
    void Align(TAlignMode mode);
    void AlignToGrid();
    // False when nothing went onto the clipboard.
    bool Copy();
    void Paste(const QString& label = QStringLiteral("Paste"));
    void Duplicate();
    // Adds the object of a template file at `point`; an image from a group
    // named "Background" (after its first two characters) becomes the page's
    // background instead. False when the file cannot be read.
    bool DropTemplate(const std::string& path, const std::string& group, QPoint point);

    // Ctrl + arrow and Shift + arrow on the selection.
    void MoveSelection(int dx, int dy);
    void SizeSelection(int dw, int dh);
    void FocusKeySink();
    bool KeySinkHasFocus() const;

    // The user moved or sized the window: the page follows.
    void WindowMoved(QPoint topLeft);
    void WindowResized(const QRect& geometry);

    int SelectedCount() const;
    int ObjectCount() const;
    const TSurfaceState& State() const { return state_; }
    int PasteOffset() const { return pasteOffset_; }
    const QImage& Image1() const;
    TSurfaceImage* Image1Widget() const { return image1_; }
    QLineEdit* KeySink() const;
    // Where Image1 lies inside this window.
    QPoint ImageOrigin() const { return imageOrigin_; }

signals:
    // The window's size or place changed (the shadow preview follows).
    void Changed();
    // Objects were added, deleted or reordered (the object selector follows).
    void ObjectsChanged();
    // The selection or the selected objects changed (the property editor follows).
    void SelectionChanged();
    // A right press asks for the pop-up menu at this screen point.
    void PopupRequested(QPoint globalPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A bar of the model as the player shows it, or a null picture when hidden.
    static QImage BarPicture(QWidget* bar, int width);
    // Whether the pointer press hit an object, and which (step 3 of a press).
    void PressOnObjects(QPoint point);
    void DragTo(QPoint point);
    void ShowCursorFor(QPoint point);
    void SettleBand(Qt::KeyboardModifiers modifiers, const QRect& band);
    void SettleClick(Qt::KeyboardModifiers modifiers, QPoint point);
    void AddAt(std::uint8_t kind, QPoint point);
    // Gives the selected objects the bounds `change` returns; records the
    // undo step `label` (unless empty) before the first change and marks the
    // project modified. False when nothing changed.
    bool ChangeSelected(const QString& label,
                        const std::function<TBounds(const TAutoObject&, TBounds)>& change);
    // After every change of the page: modified, repainted, followers told.
    void AfterChange(bool objectsChanged);
    void DeleteWhere(bool (*doomed)(const TAutoObject&));
    // Bring to Front and Send to Back: the one selected object moves in the list.
    void MoveInStack(const QString& label,
                     void (*move)(std::vector<std::unique_ptr<TAutoObject>>&, TAutoObject&));
    std::vector<TAutoObject*> Selection() const;
    // The frame drag: the caption moves the window, a sizeable border sizes it.
    Qt::Edges FrameEdgesAt(QPoint point) const;

    TPageHost& host_;
    TSurfaceOwner& owner_;
    TSurfaceImage* image1_ = nullptr;
    TKeySink* edit1_ = nullptr;
    QImage frame_; // caption, icon and bars, without Image1
    QPoint imageOrigin_;
    int barsHeight_ = 0; // menu, tool and status bar together
    TSurfaceState state_;
    int pasteOffset_ = 0;
    // The frame drag in progress.
    struct TFrameDrag {
        Qt::Edges Edges;
        bool Caption = false;
        QPoint PressGlobal;
        QRect StartGeometry;
        bool Recorded = false;
    };
    std::optional<TFrameDrag> frameDrag_;
};

} // namespace brelvane
