#include "DocViewDoubles.h"
#include "platform/command/AcceleratorFilter.h"
#include "platform/command/CommandActions.h"
#include "platform/command/MessageMap.h"
#include "platform/command/Resources.h"
#include "platform/docview/ChildFrame.h"
#include "platform/docview/MdiFrame.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {

// Who ran a command, in the order they ran.
QStringList& journal()
{
    static QStringList entries;
    return entries;
}

// Each level of the route handles the commands 10 up to its own number; the last one also owns an update
// handler that disables command 45.
struct AppTarget : CommandTarget {
    void Run() { journal().append("app"); }
    void Disable(CmdUI& ui) { ui.Enable(false); }
    const MessageMapBase* GetMessageMap() const override
    {
        using Map = MessageMap<AppTarget>;
        static const Map map(nullptr,
                             {Map::command(10, &AppTarget::Run), Map::command(20, &AppTarget::Run),
                              Map::command(30, &AppTarget::Run), Map::command(40, &AppTarget::Run),
                              Map::command(45, &AppTarget::Run), Map::update(45, &AppTarget::Disable),
                              Map::command(50, &AppTarget::Run)});
        return &map;
    }
};

struct MainTarget : MdiFrame {
    void Run() { journal().append("main"); }
    const MessageMapBase* GetMessageMap() const override
    {
        using Map = MessageMap<MainTarget>;
        static const Map map(nullptr,
                             {Map::command(10, &MainTarget::Run), Map::command(20, &MainTarget::Run),
                              Map::command(30, &MainTarget::Run), Map::command(40, &MainTarget::Run)});
        return &map;
    }
};

struct ChildTarget : ChildFrame {
    void Run() { journal().append("child"); }
    const MessageMapBase* GetMessageMap() const override
    {
        using Map = MessageMap<ChildTarget>;
        static const Map map(nullptr,
                             {Map::command(10, &ChildTarget::Run), Map::command(20, &ChildTarget::Run),
                              Map::command(30, &ChildTarget::Run)});
        return &map;
    }
};

struct DocTarget : NoteDocument {
    void Run() { journal().append("doc"); }
    const MessageMapBase* GetMessageMap() const override
    {
        using Map = MessageMap<DocTarget>;
        static const Map map(NoteDocument::GetMessageMap(),
                             {Map::command(10, &DocTarget::Run), Map::command(20, &DocTarget::Run)});
        return &map;
    }
};

struct ViewTarget : NoteView {
    using NoteView::NoteView;
    void Run() { journal().append("view"); }
    void Range(int id) { journal().append("view " + QString::number(id)); }
    const MessageMapBase* GetMessageMap() const override
    {
        using Map = MessageMap<ViewTarget>;
        static const Map map(
            nullptr, {Map::command(10, &ViewTarget::Run), Map::commandRange(60, 69, &ViewTarget::Range)});
        return &map;
    }
};

class Route : public ::testing::Test {
protected:
    void SetUp() override
    {
        journal().clear();
        frame.setApplicationTarget(&app);
        auto document = std::make_unique<DocTarget>();
        auto* view = new ViewTarget(*document);
        child = new ChildTarget;
        child->setContents(std::move(document), view);
        frame.addChildFrame(child);
    }

    AppTarget app;
    MainTarget frame;
    ChildTarget* child = nullptr;
};

}  // namespace

TEST_F(Route, ACommandGoesToTheFirstOfViewDocumentChildFrameMainFrameAndApplicationThatHandlesIt)
{
    for (int id : {10, 20, 30, 40, 50}) EXPECT_TRUE(frame.ExecuteCommand(id)) << id;
    EXPECT_EQ(journal(), QStringList({"view", "doc", "child", "main", "app"}));
}

TEST_F(Route, ACommandWithoutAHandlerAnywhereIsDisabledAndDoesNothing)
{
    EXPECT_FALSE(frame.UpdateCommand(77).isEnabled());
    EXPECT_FALSE(frame.ExecuteCommand(77));
    EXPECT_TRUE(frame.UpdateCommand(50).isEnabled());
    EXPECT_TRUE(journal().isEmpty());
}

TEST_F(Route, AnUpdateHandlerThatDisablesKeepsTheHandlerFromRunning)
{
    EXPECT_FALSE(frame.UpdateCommand(45).isEnabled());
    EXPECT_FALSE(frame.ExecuteCommand(45));
    EXPECT_TRUE(journal().isEmpty());
}

TEST_F(Route, ARangeHandlerIsToldWhichCommandItGot)
{
    EXPECT_TRUE(frame.ExecuteCommand(63));
    EXPECT_EQ(journal(), QStringList({"view 63"}));
}

TEST_F(Route, WithNoDocumentOpenTheMainFrameAndTheApplicationStillGetTheirCommands)
{
    delete child;
    EXPECT_TRUE(frame.ExecuteCommand(10));
    EXPECT_TRUE(frame.ExecuteCommand(50));
    EXPECT_EQ(journal(), QStringList({"main", "app"}));
}

namespace {

class Accelerators : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto key = [](const char* text) { return QKeySequence::fromString(text)[0]; };
        filter = new AcceleratorFilter(&window,
                                       {{key("Ctrl+N"), 1},
                                        {key("Shift+Tab"), 2},
                                        {key("Ctrl+Shift+Tab"), 3},
                                        {key("Tab"), 4},
                                        {key("Ctrl+Shift+Alt+F"), 5},
                                        {key("Shift+Ins"), 6}},
                                       [this](int id) { executed.append(id); });
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        field->setFocus();
    }

    QWidget window;
    QLineEdit* field = new QLineEdit;
    QLineEdit* other = new QLineEdit;
    AcceleratorFilter* filter = nullptr;
    QList<int> executed;
};

}  // namespace

TEST_F(Accelerators, KeysOfTheTableRunTheirCommandAndNeverReachTheField)
{
    field->setText("abc");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Tab);
    QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(executed, QList<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(field->text(), "abc");
    EXPECT_EQ(window.focusWidget(), field);  // Tab did not move on to the next widget
}

TEST_F(Accelerators, OtherKeysReachTheField)
{
    QTest::keyClicks(field, "xy");
    QTest::keyClick(field, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "xy");
    EXPECT_TRUE(executed.isEmpty());
}

TEST_F(Accelerators, AnotherWindowKeepsItsKeys)
{
    QWidget dialog;
    auto* edit = new QLineEdit(&dialog);
    dialog.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(executed.isEmpty());
}

namespace {

class ResourceTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.filePath("menus.json"), R"({
            "7": [{"text": "&Datei", "items": [{"id": 100, "text": "&Neu\tStrg+N"}, {"separator": true},
                                               {"text": "&Mehr", "items": [{"id": 101, "text": "&Weiter"}]}]}],
            "3": [{"text": "&Hilfe", "items": [{"id": 102, "text": "&Hilfe"}, {"id": 100, "text": "&Anders"}]}]
        })");
        writeFile(dir.filePath("accelerators.json"), R"({"7": [["Ctrl+N", 100], ["Shift+Tab", 101]]})");
        writeFile(dir.filePath("toolbars.json"), R"({"9": [100, 0, 101]})");
        writeFile(dir.filePath("strings.json"), R"({"100": "Legt an\nNeu", "101": "Geht weiter"})");
        QDir(dir.path()).mkdir("toolbar");
        writeFile(dir.filePath("toolbar/100.svg"), "<svg/>");
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(ResourceTables, AreReadByResourceId)
{
    Resources resources;
    ASSERT_TRUE(resources.load(dir.path()));
    ASSERT_TRUE(resources.menu(7));
    EXPECT_EQ(resources.menu(7)->at(0).items.at(2).items.at(0).id, 101);
    EXPECT_EQ(resources.accelerators(7)->at(1).key, QKeyCombination(Qt::ShiftModifier, Qt::Key_Tab));
    EXPECT_EQ(*resources.toolbar(9), QList<int>({100, 0, 101}));
    EXPECT_EQ(resources.string(101), "Geht weiter");
    EXPECT_TRUE(resources.string(555).isEmpty());
    EXPECT_FALSE(resources.imagePath(100).isEmpty());
    EXPECT_TRUE(resources.imagePath(101).isEmpty());
    EXPECT_EQ(resources.menuCommands(), QList<int>({102, 100, 101}));
    EXPECT_EQ(resources.menu(8), nullptr);
}

TEST_F(ResourceTables, ABrokenTableLoadsNothing)
{
    writeFile(dir.filePath("toolbars.json"), "{\"9\": [100, ");
    Resources resources;
    EXPECT_FALSE(resources.load(dir.path()));
    EXPECT_EQ(resources.menu(7), nullptr);
    QFile::remove(dir.filePath("toolbars.json"));
    EXPECT_FALSE(resources.load(dir.path()));
}

TEST_F(ResourceTables, AnActionTakesItsTextPromptAndTipFromTheResourcesAndItsStateFromTheRoute)
{
    Resources resources;
    ASSERT_TRUE(resources.load(dir.path()));
    AppTarget app;
    CommandActions actions(resources, app);
    QAction* fresh = actions.action(100);
    EXPECT_EQ(fresh->text(), "&Anders");  // the lowest menu id that has the command gives the text
    EXPECT_EQ(fresh->statusTip(), "Legt an");
    EXPECT_EQ(fresh->toolTip(), "Neu");
    EXPECT_EQ(actions.action(100), fresh);

    QAction* handled = actions.action(10);
    QAction* disabled = actions.action(45);
    QAction* unhandled = actions.action(11);
    actions.updateActions({handled, disabled, unhandled});
    EXPECT_TRUE(handled->isEnabled());
    EXPECT_FALSE(disabled->isEnabled());
    EXPECT_FALSE(unhandled->isEnabled());

    journal().clear();
    handled->trigger();
    EXPECT_EQ(journal(), QStringList({"app"}));
}
