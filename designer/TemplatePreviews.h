#pragma once

#include <QImage>
#include <QSize>
#include <string>

namespace brelvane {

inline constexpr QSize kPagePreviewSize{128, 96};
inline constexpr QSize kObjectPreviewSize{64, 48};

// A page template drawn as the player shows it, shrunk into 128 × 96 inside a
// light grey outline; null when the template cannot be read (its error is
// reported).
QImage RenderPagePreview(const std::string& templatePath);

// An object template's control on white, shrunk into 64 × 48, never
// enlarged; null when the template cannot be read (its error is reported).
QImage RenderObjectPreview(const std::string& templatePath);

// The picture a template that cannot be read shows in a list: a grey cross.
QImage UnreadablePreview(QSize size);

// Writes `preview` as a 24-bit bitmap to `path`, creating its folder;
// atomically, so a failed write leaves no broken preview behind.
bool SavePreviewFile(const std::string& path, const QImage& preview);

// Kinds of template a preview is made for.
enum class TTemplateKind { Page, Object };

// The preview a list shows for `name` of `folder`: its preview file when that
// exists, whatever its age; otherwise a freshly rendered one, which is saved.
// Counts the renders it made, so that a cached listing can be told apart.
class TPreviewSource {
public:
    explicit TPreviewSource(TTemplateKind kind) : kind_(kind) {}
    QImage Preview(const std::string& folder, const std::string& name);
    // Renders and saves the preview whether or not one exists (the
    // installation run); null when the template cannot be read.
    QImage Render(const std::string& folder, const std::string& name);
    int Rendered() const { return rendered_; }

private:
    TTemplateKind kind_;
    int rendered_ = 0;
};

} // namespace brelvane
