#pragma once

// A form in its view, in a window of the main frame as the program shows it: at true size (zoom 10) on a
// screen of 96 dots per inch, with the program's menus, keys and cursors, so that commands reach the view
// through the frame and keys through the form's edit window.

#include "app/AppCursors.h"
#include "app/CMainFrame.h"
#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormView.h"
#include "platform/command/Resources.h"
#include "platform/docview/ChildFrame.h"
#include "platform/screen/ScreenMetrics.h"

#include <gtest/gtest.h>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

// Pixels of a length of the page in tenths of a millimetre, at true size on a 96 dpi screen.
inline int pixels(int units)
{
    return qRound(units * 96 / 254.0);
}
// The viewport point over the middle of a box of `view`'s page, scrolled into sight first.
inline QPoint middleInSight(FormView& view, const platform::Rect& box)
{
    view.verticalScrollBar()->setValue(pixels(box.top) - 100);
    return QPoint(pixels((box.left + box.right) / 2), pixels((box.top + box.bottom) / 2)) -
           QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
}

class FormInMainFrame : public ::testing::Test {
protected:
    static constexpr int kPixelsPerInch = 96;

    void SetUp() override
    {
        platform::ScreenMetrics::setSource([] { return platform::ScreenMetrics{1080, kPixelsPerInch}; });
        AppCursors::Load();
        app.InitInstance();
        app.WriteProfileInt(u"Settings", u"WinFormScaledFactorOv", 100);
        ASSERT_TRUE(resources.load(":/res"));
        frame = std::make_unique<CMainFrame>(app, resources);
        ASSERT_TRUE(frame->LoadFrame(CMainFrame::kNoDocumentMenu, 128, app));
        app.m_pMainWnd = frame.get();
        frame->resize(1000, 800);
        frame->show();
    }
    void TearDown() override
    {
        frame.reset();
        platform::ScreenMetrics::setSource({});
    }

    // A new form of `form` in a new window of the frame, in the form's own view, painted once: the first
    // paint creates the edit window and lays the form out.
    void open(const FormDefinition& form)
    {
        app.WriteProfileInt(form.fields.section, u"ZoomFactor", 10);
        std::unique_ptr<FormDocument> created = form.createDocument(app);
        doc = created.get();
        view = form.createView(app, *doc);
        ASSERT_NE(view, nullptr);
        auto* child = new platform::ChildFrame;
        child->setContents(std::move(created), view);
        frame->addChildFrame(child);
        ASSERT_TRUE(doc->OnNewDocument());
        view->OnInitialUpdate();
        view->viewport()->repaint();
        QCoreApplication::processEvents();
        ASSERT_NE(editor().LiveWindow(), nullptr);
    }

    CQeEditWindow& editor() { return view->FieldEditor(); }
    QPlainTextEdit& window() { return *editor().LiveWindow(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&window(), key, modifiers);
    }
    bool enabled(int command) { return frame->UpdateCommand(command).isEnabled(); }

    QPoint middleOf(const platform::Rect& box) { return middleInSight(*view, box); }
    int hoverOver(const platform::Rect& box)
    {
        QTest::mouseMove(view->viewport(), middleOf(box));
        return view->m_nHoverState;
    }
    void clickOn(const platform::Rect& box)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(box));
    }

    QTemporaryDir dir;
    CQELWinAppEx app{dir.filePath("config"), "/opt/kalvenport-zuzaza"};
    platform::Resources resources;
    std::unique_ptr<CMainFrame> frame;
    FormView* view = nullptr;
    FormDocument* doc = nullptr;
};
