// What assistive technology learns of the window, read through Qt's accessibility interfaces,
// the same ones that the desktop's screen-reader bridge reads.
#include "platform/shell.h"
#include "window/main_form_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <set>
#include <vector>

namespace {

QAccessibleInterface* Accessible(QWidget& widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    EXPECT_NE(accessible, nullptr);
    return accessible;
}

using AccessibilityTest = MainFormTest;

TEST_F(AccessibilityTest, SegmentsAreCheckBoxesNamedByDigitAndPlace)
{
    const std::vector<std::pair<int, QString>> named = {
        {1, "digit 1, upper left"}, {2, "digit 1, top"},     {4, "digit 1, middle"},   {8, "digit 1, point"},
        {15, "digit 2, bottom"},    {22, "digit 3, lower right"}, {31, "digit 4, bottom"},
        {32, "colon, lower dot"},   {33, "colon, upper dot"}};
    for (const auto& [segment, name] : named)
        EXPECT_EQ(Accessible(Segment(segment))->text(QAccessible::Name), name) << segment;

    std::set<QString> names;
    for (int segment = 1; segment <= SegmentCount; ++segment) {
        QAccessibleInterface* accessible = Accessible(Segment(segment));
        names.insert(accessible->text(QAccessible::Name));
        EXPECT_EQ(accessible->role(), QAccessible::CheckBox) << segment;
        EXPECT_TRUE(accessible->state().checkable) << segment;
        EXPECT_FALSE(accessible->state().checked) << segment;
        EXPECT_FALSE(accessible->state().focusable) << segment;
    }
    EXPECT_EQ(names.size(), std::size_t(SegmentCount));
}

TEST_F(AccessibilityTest, TheCheckedStateFollowsEveryToggle)
{
    PressSegment(4);
    PressSegment(33, Qt::RightButton);  // the colon: both dots
    EXPECT_TRUE(Accessible(Segment(4))->state().checked);
    EXPECT_TRUE(Accessible(Segment(32))->state().checked);
    EXPECT_TRUE(Accessible(Segment(33))->state().checked);
    EXPECT_FALSE(Accessible(Segment(5))->state().checked);

    PressSegment(4);
    EXPECT_FALSE(Accessible(Segment(4))->state().checked);
}

TEST_F(AccessibilityTest, TheToggleActionTogglesASegmentLikeAClick)
{
    QAccessibleActionInterface* actions = Accessible(Segment(4))->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(form->Edit1->Text(), "01 00 00 00");
    EXPECT_EQ(Segment(4).Brush()->Color(), clBlack);
}

TEST_F(AccessibilityTest, TheBoxIsNamedByItsLabelAndTheLinkByItsAddress)
{
    QAccessibleInterface* box = Accessible(*form->Edit1);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Данные для загрузки"));
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_TRUE(box->state().readOnly);
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("00 00 00 00"));

    QAccessibleInterface* link = Accessible(*form->Label3);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name).toStdString(), form->Label3->Caption());
    EXPECT_EQ(Accessible(*form->Label2)->role(), QAccessible::StaticText);

    std::vector<std::string> opened;
    const ShellHandler previous = SetShellHandler([&](HWND, const char*, const char* file, const char*, const char*, int) {
        opened.push_back(file);
        return 42;
    });
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    SetShellHandler(previous);
    EXPECT_EQ(opened, std::vector<std::string>{form->Label3->Caption()});
}

}  // namespace
