#pragma once

#include "objects/controls/ObjectWidget.h"
#include "render/AAFontEx.h"

#include <cstdint>

namespace brelvane {

// How a control docks in its parent; only automatic sizing asks for it.
enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// The base of the anti-aliased text controls: a windowless child that paints
// itself from off-screen pictures. Property changes rebuild the pictures once
// the control has been shown or painted, unless AutoUpdate is off or an update
// is pending. Pointer entry and exit are the object widget's hover signals.
class TAAGraphicControl : public TObjectWidget {
    Q_OBJECT
public:
    TAAGraphicControl(TAutoObject& object, QWidget* parent);

    int Border() const { return border_; }
    void SetBorder(int border);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool AutoUpdate() const { return autoUpdate_; }
    void SetAutoUpdate(bool autoUpdate);
    std::uint8_t Align() const { return align_; }
    void SetAlign(std::uint8_t align);

    // Changes between these two rebuild once, at the end.
    void BeginUpdate() { ++updates_; }
    void EndUpdate();
    bool Loaded() const { return loaded_; }

    // Recomputes the size and the off-screen pictures now, and repaints.
    void Rebuild();

protected:
    // A property changed: rebuild when the control may.
    void Changed();
    // The size the text asks for and the pictures; the control's size may be
    // set from here without a second rebuild.
    virtual void RebuildPictures() = 0;
    virtual void PaintControl(QPainter& painter) = 0;

    // Whether automatic sizing sets the width and the height under the current docking.
    bool SizesWidth() const;
    bool SizesHeight() const;

    // The renderer drawing on `canvas_`; its effect and quality are set before each use.
    TAACanvas& Canvas() { return canvas_; }
    TAAFontEx& Renderer() { return renderer_; }
    void UseFont(const TFont& font, const TAAEffect& effect, std::uint8_t quality);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Rebuilds without asking for a repaint (the first paint is one).
    void RebuildQuietly();

    TAACanvas canvas_;
    TAAFontEx renderer_{&canvas_};
    int border_ = 0;
    bool autoSize_ = true;
    bool autoUpdate_ = true;
    std::uint8_t align_ = alNone;
    int updates_ = 0;
    bool loaded_ = false;
    bool rebuilding_ = false;
    bool painting_ = false;
    bool changedWhileDeferred_ = false;
    QSize builtSize_;
};

} // namespace brelvane
