#pragma once

#include "storage/ByteStream.h"

#include <QImage>
#include <QSize>
#include <memory>
#include <string>

class QWidget;

namespace brelvane {

class TAutoRunForm;

// The live page model and its off-screen host `ScrollBox3`: the model's object
// panel lives in the host, which is never on screen, so every object has its
// real control and the panel can be painted into the editing surface.
class TPageHost {
public:
    TPageHost();
    ~TPageHost();
    TPageHost(const TPageHost&) = delete;
    TPageHost& operator=(const TPageHost&) = delete;

    // Replaces the model by the page `name` of the current page source; the
    // model keeps what was read even when reading failed.
    bool Load(const std::string& name);
    // Replaces the model by a page read from `stream`; when the page cannot
    // be read whole, the model stays as it was.
    bool Load(TStream& stream);
    // Gives the panel back to its model and frees the model.
    void Release();

    // Models built from now on behave as in the player (no grid, stored
    // visibility applied): the host of a preview.
    bool TestRun = false;

    TAutoRunForm* Model() const { return model_.get(); }
    QWidget* Box() const { return box_.get(); }
    // The panel's size: the page's client area as the player's window lays it out.
    QSize PanelSize() const;
    // Gives the panel (and the host) a new size, as a resized page window would.
    void ResizePanel(QSize size);
    // Lets the panel paint itself into a picture of its size.
    QImage PaintPanel() const;

private:
    void Adopt();

    std::unique_ptr<QWidget> box_;
    std::unique_ptr<TAutoRunForm> model_;
};

} // namespace brelvane
