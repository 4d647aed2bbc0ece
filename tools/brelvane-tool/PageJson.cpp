#include "PageJson.h"

#include "ProjectJson.h"
#include "objects/records/ObjectKinds.h"
#include "storage/AnsiCodePage.h"

namespace brelvane {

using json = nlohmann::ordered_json;

namespace {
std::string Text(const std::string& ansi) {
    return AnsiToUtf8(ansi);
}

json EffectToJson(const TAAEffect& e) {
    return {{"Alpha", e.Alpha},
            {"Angle", e.Angle},
            {"Blur", e.Blur},
            {"HorzMirror", e.HorzMirror},
            {"Noise", e.Noise},
            {"Outline", e.Outline},
            {"Spray", e.Spray},
            {"VertMirror", e.VertMirror},
            {"Gradual",
             {{"Enabled", e.Gradual.Enabled},
              {"EndColor", e.Gradual.EndColor},
              {"StartColor", e.Gradual.StartColor},
              {"Style", e.Gradual.Style}}},
            {"Shadow",
             {{"Alpha", e.Shadow.Alpha},
              {"Blur", e.Shadow.Blur},
              {"Color", e.Shadow.Color},
              {"Enabled", e.Shadow.Enabled},
              {"OffsetX", e.Shadow.OffsetX},
              {"OffsetY", e.Shadow.OffsetY}}},
            {"Texture",
             {{"Enabled", e.Texture.Enabled},
              {"Mode", e.Texture.Mode},
              {"Picture", PictureToJson(e.Texture.Picture)}}}};
}

json FontLabelsToJson(const TFontLabels& labels) {
    json list = json::array();
    for (const auto& label : labels.Items())
        list.push_back({{"Effect", EffectToJson(label.Effect)},
                        {"Font", FontToJson(label.Font)},
                        {"Name", Text(label.Name)}});
    return list;
}

class JsonFields final : public TFieldVisitor {
public:
    void Field(const char* name, std::int64_t value) override { json_[name] = value; }
    void Field(const char* name, bool value) override { json_[name] = value; }
    void Field(const char* name, const std::string& value) override { json_[name] = Text(value); }
    void Field(const char* name, const TFont& value) override { json_[name] = FontToJson(value); }
    void Field(const char* name, const TPicture& value) override {
        json_[name] = PictureToJson(value);
    }
    void Field(const char* name, const TAAEffect& value) override {
        json_[name] = EffectToJson(value);
    }
    void Field(const char* name, const TFontLabels& value) override {
        json_[name] = FontLabelsToJson(value);
    }
    json Take() { return std::move(json_); }

private:
    json json_ = json::object();
};
} // namespace

json CommandToJson(const TCommand& c) {
    return {{"ActionType", c.ActionType},
            {"ShowCommand", c.ShowCommand},
            {"ActionFile", Text(c.ActionFile)},
            {"ActionParams", Text(c.ActionParams)},
            {"ActionDir", Text(c.ActionDir)},
            {"CloseAfterAction", c.CloseAfterAction},
            {"ClickSound", Text(c.ClickSound)},
            {"MouseDownSound", Text(c.MouseDownSound)},
            {"MouseUpSound", Text(c.MouseUpSound)},
            {"MouseEnterSound", Text(c.MouseEnterSound)},
            {"MouseLeaveSound", Text(c.MouseLeaveSound)},
            {"Cursor", Text(c.Cursor)},
            {"Name", Text(c.Name)},
            {"Comment", Text(c.Comment)},
            {"CommentViewer", Text(c.CommentViewer)},
            {"GraphicCommentViewer", Text(c.GraphicCommentViewer)},
            {"SelectForOpenRun", Text(c.SelectForOpenRun)},
            {"SelectForOpenRunParams", Text(c.SelectForOpenRunParams)},
            {"SelectForOpenRunDir", Text(c.SelectForOpenRunDir)},
            {"SelectForOpenRunWait", Text(c.SelectForOpenRunWait)},
            {"WindowMoveHandle", c.WindowMoveHandle},
            {"Enabled", c.Enabled},
            {"Visible", c.Visible},
            {"GroupName", Text(c.GroupName)},
            {"CheckStyleInGroup", c.CheckStyleInGroup},
            {"Checked", c.Checked}};
}

json MenuItemsToJson(const std::vector<TMenuItem>& items) {
    json list = json::array();
    for (const auto& item : items)
        list.push_back({{"Caption", Text(item.Caption)},
                        {"Hint", Text(item.Hint)},
                        {"ShortCut", item.ShortCut},
                        {"RadioItem", item.RadioItem},
                        {"GroupIndex", item.GroupIndex},
                        {"Enabled", item.Enabled},
                        {"Default", item.Default},
                        {"Checked", item.Checked},
                        {"AutoCheck", item.AutoCheck},
                        {"Bitmap", PictureToJson(item.Bitmap)},
                        {"Items", MenuItemsToJson(item.Items)}});
    return list;
}

json ObjectToJson(const TAutoObject& object) {
    JsonFields payload;
    if (object.Payload) object.Payload->VisitFields(payload);
    return {{"Kind", object.Kind},
            {"KindName", std::string(KindName(object.Kind))},
            {"Props", CommandToJson(object.Props)},
            {"Payload", payload.Take()},
            {"GraphicComment", PictureToJson(object.GraphicComment)},
            {"PopupMenu", MenuItemsToJson(object.PopupMenu)}};
}

json PageToJson(const TPageRecord& p) {
    json panels = json::array();
    for (const auto& panel : p.StatusPanels)
        panels.push_back(
            {{"Alignment", panel.Alignment}, {"Text", Text(panel.Text)}, {"Width", panel.Width}});
    json buttons = json::array();
    for (const auto& button : p.ToolButtons)
        buttons.push_back({{"Caption", Text(button.Caption)},
                           {"Picture", PictureToJson(button.Picture)},
                           {"Hint", Text(button.Hint)},
                           {"Action", CommandToJson(button.Action)},
                           {"Separator", button.Separator}});
    json objects = json::array();
    for (const auto& object : p.Objects)
        objects.push_back(ObjectToJson(*object));
    return {{"BorderIcons", p.BorderIcons},
            {"BorderStyle", p.BorderStyle},
            {"BorderWidth", p.BorderWidth},
            {"Caption", Text(p.Caption)},
            {"Hint", Text(p.Hint)},
            {"Position", p.Position},
            {"WindowState", p.WindowState},
            {"TransparentColor", p.TransparentColor},
            {"Transparent", p.Transparent},
            {"PageIcon", PictureToJson(p.PageIcon)},
            {"BackColor", p.BackColor},
            {"GradientColor", p.GradientColor},
            {"GradientStyle", p.GradientStyle},
            {"BackImage", PictureToJson(p.BackImage)},
            {"BackImageStyle", p.BackImageStyle},
            {"Shadow", p.Shadow},
            {"ShadowColor", p.ShadowColor},
            {"ShadowXOff", p.ShadowXOff},
            {"ShadowYOff", p.ShadowYOff},
            {"ShadowAlpha", p.ShadowAlpha},
            {"FadeIn", p.FadeIn},
            {"FadeOut", p.FadeOut},
            {"FadeInDelay", p.FadeInDelay},
            {"FadeInStep", p.FadeInStep},
            {"FadeOutDelay", p.FadeOutDelay},
            {"FadeOutStep", p.FadeOutStep},
            {"StartSound", Text(p.StartSound)},
            {"StartSoundLoop", p.StartSoundLoop},
            {"StartSoundDelay", p.StartSoundDelay},
            {"PageKind", p.PageKind},
            {"Reserved31", p.Reserved31},
            {"Reserved32", p.Reserved32},
            {"Reserved33", p.Reserved33},
            {"Reserved34", p.Reserved34},
            {"StayTime", p.StayTime},
            {"ClickContinue", p.ClickContinue},
            {"Left", p.Left},
            {"Top", p.Top},
            {"Width", p.Width},
            {"Height", p.Height},
            {"StartAction", CommandToJson(p.StartAction)},
            {"GraphicComment", PictureToJson(p.GraphicComment)},
            {"MenuBar", MenuItemsToJson(p.MenuBar)},
            {"PopupMenu", MenuItemsToJson(p.PopupMenu)},
            {"StatusBarHeight", p.StatusBarHeight},
            {"StatusBarFont", FontToJson(p.StatusBarFont)},
            {"StatusPanels", panels},
            {"ToolBarShowCaptions", p.ToolBarShowCaptions},
            {"ToolBarCaptionsRight", p.ToolBarCaptionsRight},
            {"ToolBarFont", FontToJson(p.ToolBarFont)},
            {"ToolBarImageWidth", p.ToolBarImageWidth},
            {"ToolBarImageHeight", p.ToolBarImageHeight},
            {"ToolButtons", buttons},
            {"Objects", objects},
            {"PageName", Text(p.PageName)}};
}

} // namespace brelvane
