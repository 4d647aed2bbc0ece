#include "designer/ItemEditorRows.h"
#include "designer/KindRowBuilders.h"
#include "designer/PropertyRows.h"
#include "dialogs/ActionFileEditForm.h"
#include "objects/records/AgreementPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/TextPayload.h"
#include "project/PageRecord.h"

#include <QWidget>
#include <array>

namespace brelvane {

namespace {
// The 19 rows of a text effect; `prefix` names the effect's stored record,
// `hot` prefixes the captions of a link's hover look.
void AddEffectRows(TAAEffect& effect, const std::string& prefix, const QString& hot,
                   TPropertyRows& rows) {
    const auto path = [&prefix](const char* field) { return prefix + field; };
    const auto first = rows.size();
    rows.push_back(NumberRow(hot + "Angle", effect.Angle, path("Angle"), -360, 360));
    rows.push_back(NumberRow(hot + "Alpha (%)", effect.Alpha, path("Alpha"), 0, 100));
    rows.push_back(NumberRow(hot + "Spray (%)", effect.Spray, path("Spray"), 0, 100));
    rows.push_back(NumberRow(hot + "Blur (%)", effect.Blur, path("Blur"), 0, 100));
    rows.push_back(PercentRow(hot + "Noise (%)", effect.Noise, path("Noise"), 0, 100));
    rows.push_back(BoolRow(hot + "HorzMirror", effect.HorzMirror, path("HorzMirror")));
    rows.push_back(BoolRow(hot + "VertMirror", effect.VertMirror, path("VertMirror")));
    rows.push_back(BoolRow(hot + "Outline", effect.Outline, path("Outline")));

    auto& gradual = effect.Gradual;
    TPropertyRow gradient;
    gradient.Caption = hot + "GradientStyle";
    gradient.Editor = TRowEditor::Choice;
    gradient.Fields = {path("Gradual.Enabled"), path("Gradual.Style")};
    gradient.Choices = [] { return ChoiceTexts(kEffectGradientStyles); };
    gradient.Text = [&gradual] {
        return ChoiceText(kEffectGradientStyles, gradual.Enabled ? gradual.Style : -1);
    };
    gradient.Apply = [&gradual](const QString& text) {
        for (const auto& choice : kEffectGradientStyles) {
            if (text != QLatin1String(choice.Text)) continue;
            gradual.Enabled = choice.Value >= 0;
            if (gradual.Enabled) gradual.Style = static_cast<std::uint8_t>(choice.Value);
            return true;
        }
        return false;
    };
    rows.push_back(std::move(gradient));
    rows.push_back(ColorRow(hot + "GradientStart", gradual.StartColor, path("Gradual.StartColor")));
    rows.push_back(ColorRow(hot + "GradientEnd", gradual.EndColor, path("Gradual.EndColor")));
    rows.push_back(
        PictureRow(hot + "TextureImage", effect.Texture.Picture, path("Texture.Picture")));
    rows.push_back(
        ChoiceRow(hot + "TextureStyle", effect.Texture.Mode, kTextureStyles, path("Texture.Mode")));

    auto& shadow = effect.Shadow;
    const auto shadowFirst = rows.size();
    rows.push_back(BoolRow(hot + "Shadow", shadow.Enabled, path("Shadow.Enabled")));
    rows.push_back(ColorRow(hot + "ShadowColor", shadow.Color, path("Shadow.Color")));
    rows.push_back(NumberRow(hot + "ShadowAlpha (%)", shadow.Alpha, path("Shadow.Alpha"), 0, 100));
    rows.push_back(NumberRow(hot + "ShadowBlur (%)", shadow.Blur, path("Shadow.Blur"), 0, 100));
    // The offsets are signed bytes: a value beyond them is brought to the nearest one.
    rows.push_back(NumberRow(hot + "ShadowXOff", shadow.OffsetX, path("Shadow.OffsetX")));
    rows.push_back(NumberRow(hot + "ShadowYOff", shadow.OffsetY, path("Shadow.OffsetY")));
    rows[first].Section = TRowSection::Effect;
    rows[shadowFirst].Section = TRowSection::Shadow;
}

// Colour, picture, mode and (unless `withTransparent` is false) transparency
// of a text kind's background; `prefix` names the record holding them.
void AddBackgroundRows(TCustomParam& param, const std::string& prefix, const QString& hot,
                       bool withTransparent, TPropertyRows& rows) {
    const auto first = rows.size();
    rows.push_back(ColorRow(hot + "BackColor", param.BackColor, prefix + "BackColor"));
    rows.push_back(PictureRow(hot + "BackImage", param.BackGround, prefix + "BackGround"));
    rows.push_back(ChoiceRow(hot + "BackImageStyle", param.BackGroundMode, kBackImageStyles,
                             prefix + "BackGroundMode"));
    if (withTransparent)
        rows.push_back(BoolRow(hot + "Transparent", param.Transparent, prefix + "Transparent"));
    rows[first].Section = TRowSection::Background;
}

TPropertyRow WindowMoveHandle(TAutoObject& object) {
    return BoolRow("WindowMoveHandle", object.Props.WindowMoveHandle, "Props.WindowMoveHandle");
}

void ButtonRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& button = PayloadOf<TButtonPayload>(object);
    rows.push_back(TextRow("Caption", button.Caption, At("Caption")));
    rows.push_back(PayloadFontRow(context, "Font", button.Font, "Font"));
    rows.push_back(ChoiceRow("ButtonType", button.ButtonType, kButtonTypes, At("ButtonType")));
}

void ImageButtonRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& button = PayloadOf<TImageButtonPayload>(object);
    rows.push_back(TextRow("Caption", button.Caption, At("Caption")));
    rows.push_back(PayloadFontRow(context, "NormalFont", button.NormalFont, "NormalFont"));
    rows.push_back(PayloadFontRow(context, "MouseOverFont", button.MouseOverFont, "MouseOverFont"));
    rows.push_back(PayloadFontRow(context, "MouseDownFont", button.MouseDownFont, "MouseDownFont"));
    rows.push_back(PictureRow("NormalImage", button.NormalImage, At("NormalImage")));
    rows.push_back(PictureRow("MouseOverImage", button.MouseOverImage, At("MouseOverImage")));
    rows.push_back(PictureRow("MouseDownImage", button.MouseDownImage, At("MouseDownImage")));
    rows.push_back(
        ChoiceRow("ButtonStyle", button.ButtonStyle, kImageButtonStyles, At("ButtonStyle")));
    rows.push_back(NumberRow("Margin", button.Margin, At("Margin"), 0));
    rows.push_back(ChoiceRow("ImageLayout", button.ImageLayout, kImageLayouts, At("ImageLayout")));
    rows.push_back(NumberRow("Space", button.Space, At("Space")));
    rows.push_back(BoolRow("MouseDownSlide", button.MouseDownSlide, At("MouseDownSlide")));
    rows.push_back(ChoiceRow("ButtonType", button.ButtonType, kButtonTypes, At("ButtonType")));
}

void ImageRows(TRowContext&, TAutoObject& object, TPropertyRows& rows) {
    auto& image = PayloadOf<TImagePayload>(object);
    rows.push_back(PictureRow("NormalImage", image.ImageNormal, At("ImageNormal")));
    rows.push_back(PictureRow("MouseOverImage", image.ImageOver, At("ImageOver")));
    rows.push_back(PictureRow("MouseDownImage", image.ImageDown, At("ImageDown")));
    // Stretch, centre and auto size are one choice: choosing one clears the others.
    TPropertyRow style;
    style.Caption = "ImageStyle";
    style.Editor = TRowEditor::Choice;
    style.Fields = {At("AutoSize"), At("Center"), At("Stretch")};
    style.Choices = [] { return ChoiceTexts(kImageStyles); };
    style.Text = [&image] {
        const TImageStyle shown = image.Stretch    ? isStretch
                                  : image.Center   ? isCenter
                                  : image.AutoSize ? isAutoSize
                                                   : isNormalStyle;
        return ChoiceText(kImageStyles, shown);
    };
    style.Apply = [&image](const QString& text) {
        for (const auto& choice : kImageStyles) {
            if (text != QLatin1String(choice.Text)) continue;
            image.Stretch = choice.Value == isStretch;
            image.Center = choice.Value == isCenter;
            image.AutoSize = choice.Value == isAutoSize;
            return true;
        }
        return false;
    };
    rows.push_back(std::move(style));
    rows.push_back(BoolRow("Transparent", image.Transparent, At("Transparent")));
    rows.push_back(WindowMoveHandle(object));
}

// Caption, font, margin, alignment, layout and auto size of labels and links.
void AddLabelHead(TRowContext& context, TLabelFields& label, TPropertyRows& rows) {
    rows.push_back(TextRow("Caption", label.Caption, At("Caption")));
    rows.push_back(PayloadFontRow(context, "Font", label.Font, "Font"));
    rows.push_back(NumberRow("Margin", label.Border, At("Border"), 0));
    rows.push_back(
        ChoiceRow("Alignment", label.Effect.Alignment, kTextAlignments, At("Alignment")));
    rows.push_back(ChoiceRow("Layout", label.Effect.Layout, kTextLayouts, At("Layout")));
    rows.push_back(BoolRow("AutoSize", label.AutoSize, At("AutoSize")));
}

void LabelRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& label = PayloadOf<TLabelPayload>(object);
    AddLabelHead(context, label, rows);
    rows.push_back(WindowMoveHandle(object));
    AddEffectRows(label.Effect.FontEffect, At("FontEffect."), "", rows);
    AddBackgroundRows(label.Effect, At(""), "", true, rows);
}

void LinkRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& link = PayloadOf<TLinkPayload>(object);
    AddLabelHead(context, link, rows);
    AddEffectRows(link.Effect.FontEffect, At("FontEffect."), "", rows);
    AddBackgroundRows(link.Effect, At(""), "", true, rows);
    auto& hot = link.HotLink;
    const QString prefix = "Hot_";
    rows.push_back(ColorRow(prefix + "FontColor", hot.Color, At("HotLink.Color")));
    rows.push_back(BoolRow(prefix + "Fade", hot.Fade, At("HotLink.Fade")));
    rows.push_back(NumberRow(prefix + "FadeDelay (ms)", hot.FadeDelay, At("HotLink.FadeDelay"), 0));
    rows.push_back(BoolRow(prefix + "UnderLine", hot.UnderLine, At("HotLink.UnderLine")));
    AddEffectRows(hot.FontEffect, At("HotLink.FontEffect."), prefix, rows);
    AddBackgroundRows(hot, At("HotLink."), prefix, true, rows);
}

void NoRows(TRowContext&, TAutoObject&, TPropertyRows&) {}

void TextRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& text = PayloadOf<TTextPayload>(object);
    auto& param = text.Text;
    rows.push_back(TextDialog("Text", param.Lines, "Lines"));
    rows.push_back(PayloadFontRow(context, "Font", text.Font, "Font"));
    rows.push_back(NumberRow("RowPitch (%)", param.RowPitch, At("RowPitch")));
    rows.push_back(BoolRow("WordWrap", param.WordWrap, At("WordWrap")));
    rows.push_back(ChoiceRow("Alignment", param.Alignment, kTextAlignments, At("Alignment")));
    rows.push_back(NumberRow("Margin", text.Border, At("Border"), 0));
    AddEffectRows(param.FontEffect, At("FontEffect."), "", rows);
    AddBackgroundRows(param, At(""), "", true, rows);
}

void ScrollTextRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& scroll = PayloadOf<TScrollTextPayload>(object);
    auto& param = scroll.Text;
    rows.push_back(TextDialog("Text", param.Lines, "Lines"));
    rows.push_back(PayloadFontRow(context, "Font", param.Font, "Font"));
    rows.push_back(NumberRow("RowPitch", param.RowPitch, At("RowPitch")));
    rows.push_back(BoolRow("WordWrap", param.WordWrap, At("WordWrap")));
    rows.push_back(ChoiceRow("Alignment", param.Alignment, kTextAlignments, At("Alignment")));
    rows.push_back(NumberRow("RepeatCount", scroll.RepeatCount, At("RepeatCount"), 0));
    rows.push_back(NumberRow("RepeatDelay (ms)", scroll.RepeatDelay, At("RepeatDelay"), 0));
    rows.push_back(NumberRow("ScrollStep", scroll.ScrollStep, At("ScrollStep")));
    rows.push_back(NumberRow("ScrollDelay (ms)", scroll.ScrollDelay, At("ScrollDelay"), 0));
    rows.push_back(NumberRow("HeadSpace", param.HeadSpace, At("HeadSpace"), 0, 150));
    rows.push_back(NumberRow("TailSpace", param.TailSpace, At("TailSpace"), 0, 150));
    // The faded band cannot be taller than the object, which keeps at least its height.
    TPropertyRow fade = NumberRow("FadeHeight", param.FadeHeight, At("FadeHeight"), 2,
                                  std::max<std::int32_t>(2, scroll.Height));
    fade.SetNumber = [&param, &object](std::int64_t value) {
        param.FadeHeight = static_cast<std::int32_t>(value);
        if (auto* widget = dynamic_cast<QWidget*>(object.Control.get()))
            widget->setMinimumHeight(param.FadeHeight);
    };
    rows.push_back(std::move(fade));
    AddEffectRows(param.FontEffect, At("FontEffect."), "", rows);
    AddBackgroundRows(param, At(""), "", false, rows);
}

void EditRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& edit = PayloadOf<TEditPayload>(object);
    rows.push_back(TextRow("Text", edit.Text, At("Text")));
    rows.push_back(PayloadFontRow(context, "Font", edit.Font, "Font"));
    rows.push_back(ColorRow("Color", edit.Color, At("Color")));
    rows.push_back(ChoiceRow("Border", edit.BorderStyle, kBoolChoices, At("BorderStyle")));
    rows.push_back(BoolRow("AutoHeight", edit.AutoSize, At("AutoSize")));
    rows.push_back(ChoiceRow("CharCase", edit.CharCase, kCharCases, At("CharCase")));
    rows.push_back(NumberRow("MaxLength", edit.MaxLength, At("MaxLength"), 0));
    // Only the first character is stored; the cell then shows just that one.
    TPropertyRow password;
    password.Caption = "PasswordChar";
    password.Editor = TRowEditor::Text;
    password.Fields = {At("PasswordChar")};
    password.Text = [&edit] {
        return edit.PasswordChar ? FromAnsi(std::string(1, static_cast<char>(edit.PasswordChar)))
                                 : QString();
    };
    password.Apply = [&edit](const QString& text) {
        const std::string stored = ToAnsi(text.left(1));
        edit.PasswordChar = stored.empty() ? 0 : static_cast<std::uint8_t>(stored[0]);
        return true;
    };
    rows.push_back(std::move(password));
    rows.push_back(NumberRow("TabOrder", edit.StoredTabOrder, At("TabOrder"), 0));
    rows.push_back(TextRow("AccurateText", edit.AccurateText, At("AccurateText")));
    rows.push_back(NumberRow("AllowRetry", edit.AllowRetry, At("AllowRetry"), 0));
    rows.push_back(TextRow("ErrorMessage", edit.ErrorMessage, At("ErrorMessage")));
    rows.push_back(TextRow("ErrorCaption", edit.ErrorCaption, At("ErrorCaption")));
    rows.push_back(TextRow("FailedMessage", edit.FailedMessage, At("FailedMessage")));
    rows.push_back(TextRow("FailedCaption", edit.FailedCaption, At("FailedCaption")));
}

// The file a checked option opens when its page is submitted, edited as one
// entry of a file list.
TPropertyRow SelectForOpenRunRow(TRowContext& context, TCommand& props) {
    TPropertyRow row =
        DialogRow("SelectForOpen/Run",
                  [&props] { return Placeholder(!props.SelectForOpenRun.empty(), "Settings"); },
                  {"Props.SelectForOpenRun", "Props.SelectForOpenRunParams",
                   "Props.SelectForOpenRunDir", "Props.SelectForOpenRunWait"});
    row.Open = [&context, &props](const std::function<void()>& beforeChange) {
        const bool waits = props.SelectForOpenRunWait == "Y";
        TFileListEntry entry{props.SelectForOpenRun, props.SelectForOpenRunParams,
                             props.SelectForOpenRunDir, waits};
        if (!EditFileEntry(context.DialogOwner, PageActionContext(context), entry)) return false;
        beforeChange();
        props.SelectForOpenRun = entry.File;
        props.SelectForOpenRunParams = entry.Parameters;
        props.SelectForOpenRunDir = entry.Folder;
        // An unchanged flag keeps its stored text, whatever an older version wrote.
        if (entry.Wait != waits) props.SelectForOpenRunWait = entry.Wait ? "Y" : " ";
        return true;
    };
    return row;
}

void AgreementRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& option = PayloadOf<TAgreementPayload>(object);
    rows.push_back(TextRow("Caption", option.Caption, At("Caption")));
    rows.push_back(PayloadFontRow(context, "Font", option.Font, "Font"));
    rows.push_back(ColorRow("Color", option.Color, At("Color")));
    rows.push_back(ChoiceRow("Alignment", option.Alignment, kOptionAlignments, At("Alignment")));
    rows.push_back(BoolRow("Checked", option.Checked, At("Checked")));
    rows.push_back(BoolRow("WordWrap", option.WordWrap, At("WordWrap")));
    rows.push_back(NumberRow("TabOrder", option.StoredTabOrder, At("TabOrder"), 0));
    rows.push_back(BoolRow("NeedCheck", option.NeedCheck, At("NeedCheck")));
    rows.push_back(TextRow("ErrorMessage", option.ErrorMessage, At("ErrorMessage")));
    rows.push_back(TextRow("ErrorCaption", option.ErrorCaption, At("ErrorCaption")));
    rows.push_back(SelectForOpenRunRow(context, object.Props));
}

void SimpleTextRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& text = PayloadOf<TSimpleTextPayload>(object);
    rows.push_back(TextRow("Caption", text.Caption, At("Caption")));
    rows.push_back(PayloadFontRow(context, "Font", text.Font, "Font"));
    rows.push_back(ColorRow("BackColor", text.BackColor, At("BackColor")));
    rows.push_back(PayloadFontRow(context, "HotFont", text.HotFont, "HotFont"));
    rows.push_back(ColorRow("HotBackColor", text.HotBackColor, At("HotBackColor")));
    rows.push_back(PayloadFontRow(context, "MouseDownFont", text.MouseDownFont, "MouseDownFont"));
    rows.push_back(
        ColorRow("MouseDownBackColor", text.MouseDownBackColor, At("MouseDownBackColor")));
    rows.push_back(ChoiceRow("Alignment", text.Alignment, kTextAlignments, At("Alignment")));
    rows.push_back(ChoiceRow("Layout", text.Layout, kTextLayouts, At("Layout")));
    rows.push_back(BoolRow("Transparent", text.Transparent, At("Transparent")));
    rows.push_back(WindowMoveHandle(object));
}

void ShapeRows(TRowContext&, TAutoObject& object, TPropertyRows& rows) {
    auto& shape = PayloadOf<TShapePayload>(object);
    rows.push_back(ChoiceRow("Shape", shape.Shape, kShapes, At("Shape")));
    rows.push_back(ColorRow("BorderColor", shape.BorderColor, At("BorderColor")));
    rows.push_back(NumberRow("BorderWidth", shape.BorderWidth, At("BorderWidth"), 0));
    rows.push_back(ColorRow("FillColor", shape.FillColor, At("FillColor")));
    rows.push_back(ChoiceRow("FillStyle", shape.FillStyle, kFillStyles, At("FillStyle")));
    rows.push_back(ColorRow("GradientColor", shape.GradientColor, At("GradientColor")));
    rows.push_back(NumberRow("Parameter", shape.Parameter, At("Parameter"), 0));
    rows.push_back(WindowMoveHandle(object));
}

// One table per kind, beside the payload codecs: a kind gets its rows when
// its payload can be stored.
constexpr std::array<TKindRows, kObjectKindCount> kKindRows = [] {
    std::array<TKindRows, kObjectKindCount> tables{};
    tables[okButton] = ButtonRows;
    tables[okImageButton] = ImageButtonRows;
    tables[okImage] = ImageRows;
    tables[okLabel] = LabelRows;
    tables[okLink] = LinkRows;
    tables[okFadeLabel] = NoRows;
    tables[okText] = TextRows;
    tables[okScrollText] = ScrollTextRows;
    tables[okEdit] = EditRows;
    tables[okRadioButton] = AgreementRows;
    tables[okCheckBox] = AgreementRows;
    tables[okSimpleText] = SimpleTextRows;
    tables[okShape] = ShapeRows;
    tables[okTextBox] = TextBoxRows;
    tables[okRichText] = RichTextRows;
    tables[okAVI] = AviRows;
    tables[okExplorer] = ExplorerRows;
    tables[okMediaPlayer] = MediaPlayerRows;
    tables[okSlideShow] = SlideShowRows;
    tables[okFlash] = FlashRows;
    tables[okListBox] = ListBoxRows;
    tables[okDropDownList] = DropDownListRows;
    tables[okListView] = ListViewRows;
    tables[okTreeView] = TreeViewRows;
    tables[okShellComboBox] = ShellComboBoxRows;
    tables[okShellTreeView] = ShellTreeViewRows;
    tables[okShellListView] = ShellListViewRows;
    return tables;
}();
} // namespace

bool HasKindRows(std::uint8_t kind) {
    return IsObjectKind(kind) && kKindRows[kind] != nullptr;
}

bool AddKindRows(TRowContext& context, TPropertyRows& rows) {
    auto& object = *context.Object;
    if (!HasKindRows(object.Kind) || !object.Payload) return false;
    // The fading label's settings have no rows at all, not even its name.
    if (object.Kind != okFadeLabel) {
        TPropertyRow name = TextRow("Name", object.Props.Name, "Props.Name");
        name.FollowUps = fuSelector;
        rows.push_back(std::move(name));
    }
    kKindRows[object.Kind](context, object, rows);
    return true;
}

} // namespace brelvane
