#pragma once

#include "objects/ObjectTestSupport.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "project/PageStream.h"

namespace brelvane::test {

inline TMenuItem Item(const std::string& caption, std::vector<TMenuItem> children = {}) {
    TMenuItem item;
    item.Caption = caption;
    item.Hint = "GOTO=" + caption;
    item.Items = std::move(children);
    return item;
}

// Two sub-items, one of which has a sub-item of its own.
inline TMenuItem MenuTree(const std::string& root) {
    return Item(root, {Item(root + ".1"), Item(root + ".2", {Item(root + ".2.1")})});
}

// A page with every list filled and objects of each kind this build stores.
inline TPageRecord FullPage() {
    TPageRecord page;
    page.BorderIcons = biSystemMenu;
    page.BorderStyle = 3;
    page.BorderWidth = 2;
    page.Caption = "Welcome";
    page.Hint = "Page hint";
    page.PageIcon = SamplePicture(TPictureKind::Bitmap);
    page.BackColor = 0x202020;
    page.BackImage = SamplePicture(TPictureKind::Png);
    page.Shadow = false;
    page.ShadowAlpha = 200;
    page.FadeIn = false;
    page.FadeInStep = 51;
    page.StartSound = "\\start.wav";
    page.PageKind = 2;
    page.StayTime = 0;
    page.Left = 40;
    page.Top = 30;
    page.Width = 800;
    page.Height = 600;
    page.StartAction.ActionType = 3;
    page.StartAction.ActionFile = "\\intro.html";
    page.GraphicComment = SamplePicture(TPictureKind::Bitmap);
    page.MenuBar = {MenuTree("File"), Item("Help")};
    page.PopupMenu = {MenuTree("Pop")};
    page.StatusBarHeight = 22;
    page.StatusPanels = {{0, "Ready", 120}, {2, "", 60}};
    page.ToolBarShowCaptions = true;
    page.ToolBarImageWidth = 24;
    TAuToolButton tool;
    tool.Caption = "Home";
    tool.Picture = SamplePicture(TPictureKind::Png);
    tool.Action.ActionType = 5;
    TAuToolButton gap;
    gap.Separator = true;
    page.ToolButtons = {tool, gap};
    for (const auto kind : {okButton, okImageButton, okImage, okShape})
        AddObjectRecord(page.Objects, kind, 10 * kind, 5 * kind);
    page.Objects[1]->Props.Comment = "Press me";
    page.Objects[1]->Props.CommentViewer = "StatusBar[0]";
    page.Objects[2]->GraphicComment = SamplePicture(TPictureKind::Png);
    page.Objects[3]->PopupMenu = {MenuTree("Shape")};
    page.PageName = "Main Page";
    return page;
}

inline Bytes PageBytes(const TPageRecord& page) {
    TMemoryStream stream;
    EXPECT_TRUE(WritePage(stream, page));
    return stream.Bytes();
}

inline bool ReadPageBytes(const Bytes& bytes, TPageRecord& page,
                          TPageReadMode mode = TPageReadMode::Build,
                          const TPageReadContext& context = {}) {
    TMemoryStream stream(bytes);
    return ReadPage(stream, page, mode, context);
}

} // namespace brelvane::test
