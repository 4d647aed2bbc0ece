#pragma once

#include "objects/records/AutoObject.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace brelvane {

// The base of every object's control: a widget that is also the record's
// control. It reports the pointer to the page through signals; the page wires
// them to the shared object behaviour when it runs.
class TObjectWidget : public QWidget, public TObjectControl {
    Q_OBJECT
public:
    TObjectWidget(TAutoObject& object, QWidget* parent);

    void SetShown(bool visible) override { setVisible(visible); }
    void SetActive(bool enabled) override { setEnabled(enabled); }
    // Re-reads the record (payload and properties) and repaints.
    void Refresh() override;

    TAutoObject& Record() const { return *Object; }
    // The record's payload as the kind's payload type; null when it has none
    // or another.
    template <class P> P* PayloadAs() const { return dynamic_cast<P*>(Object->Payload.get()); }

    // Looks the page drives: the hover look of image buttons, images and
    // simple texts, and the picture an image shows for a graphic comment.
    virtual void ClearHoverLook() {}
    virtual void ShowCommentPicture(const TPicture* /*picture*/) {}

    // Applies the payload's position and size to the widget.
    void ApplyGeometry();

    // The object's pop-up menu, shown on a right click instead of the page's;
    // the control takes ownership. Without one the click goes on to the page.
    virtual void SetPopupMenu(QMenu* menu);
    QMenu* PopupMenu() const { return popupMenu_; }

signals:
    void Clicked(TObjectWidget* control);
    void MouseDown(TObjectWidget* control, Qt::MouseButton button, QPoint position);
    void MouseUp(TObjectWidget* control);
    void MouseMoved(TObjectWidget* control, Qt::MouseButtons buttons, QPoint position);
    void HoverEntered(TObjectWidget* control);
    void HoverLeft(TObjectWidget* control);

protected:
    // Subclasses call these from their event handlers.
    void ReportPress(QMouseEvent* event);
    void ReportRelease(QMouseEvent* event);
    void ReportMove(QMouseEvent* event);
    // A press, release or move on a child that covers the object (so shares
    // its coordinates) is reported as the object's own; other events pass.
    void ReportChildMouse(QEvent* event);
    // The object's face in `fill` and, with `border`, a one-pixel frame in the
    // text colour.
    void PaintFillAndBorder(const QColor& fill, bool border);
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPointer<QMenu> popupMenu_;
};

} // namespace brelvane
