#pragma once

#include "app/SettingsStore.h"
#include "editor/CQELEditWindow_ATR.h"
#include "editor/CQEScrollViewBase.h"
#include "platform/docview/Document.h"
#include "platform/gdi/Dc.h"
#include "platform/screen/ScreenMetrics.h"

#include <QFile>
#include <QList>
#include <QRect>
#include <QTemporaryDir>

// A settings store of its own in a temporary folder.
class TemporarySettings {
public:
    SettingsStore& store() { return m_store; }
    // Every byte the store has written so far.
    QByteArray written() const
    {
        QFile file(m_dir.filePath("HKEY_CURRENT_USER.reg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.path(), QStringLiteral("Software\\Brandel\\Kalvenport-Zuzaza")};
};

// A screen of the given height and density for as long as it lives.
class FakeScreen {
public:
    FakeScreen(int heightPixels, int dotsPerInch)
    {
        platform::ScreenMetrics::setSource([=] {
            return platform::ScreenMetrics{heightPixels, dotsPerInch};
        });
    }
    ~FakeScreen() { platform::ScreenMetrics::setSource({}); }
};

class TestDocument : public platform::Document {
public:
    void Serialize(platform::Archive&) override {}
};

// A form view as small as a test needs: page-1 fields and one table column at rectangles given in pixels of
// the page, the editor made at the first drawing and laid out on field 0, as the form views do.
class TestFormView : public CQEScrollViewBase {
public:
    TestFormView(SettingsStore& settings, platform::Document* document)
        : CQEScrollViewBase(settings), editor([this] { ++statusUpdates; }, &settings), m_document(document)
    {
        m_strSection = QStringLiteral("ATRForm_Defaults");
        InitZoom();
        resize(400, 300);
    }

    // Page 1 gets one field per rectangle, page 2 one column at `column`.
    void SetFields(const QList<QRect>& fields, QRect column)
    {
        m_fields = fields;
        m_column = column;
        editor.SetFieldCounts(std::uint16_t(fields.size()), 1, true);
        m_bLayoutValid = 0;
    }
    void Relayout()
    {
        m_bLayoutValid = 0;
        viewport()->repaint();
    }
    int zoom() const { return m_nZoom; }
    bool layoutValid() const { return m_bLayoutValid != 0; }
    void setZoom(int zoom) { m_nZoom = std::int16_t(zoom); }

    CQELEditWindow_ATR editor;
    int statusUpdates = 0;
    // The page in logical units at zoom 10.
    static constexpr QSize kPage{2050, 3500};

protected:
    void OnDraw(platform::Dc& dc) override
    {
        if (!editor.LiveWindow())
            editor.CreateEditorEx(this, 122, m_document, 119, dc, m_nZoom, 0xFF0000, 0xD1FFDE);
        if (m_bLayoutValid) return;
        SetScrollSizes(platform::MapMode::LoMetric, kPage * m_nZoom / 10);
        for (int field = 0; field < m_fields.size(); ++field)
            editor.SetLineRect(std::uint16_t(field), rectOf(m_fields[field]));
        editor.SetColumnRect(0, rectOf(m_column));
        editor.CreateFonts(dc, m_nZoom);
        editor.Activate(0, editor.GetCurrentPage());
        m_bLayoutValid = 1;
    }

private:
    static CQeEditWindow::Rect rectOf(QRect pixels)
    {
        return {pixels.left(), pixels.top(), pixels.left() + pixels.width(), pixels.top() + pixels.height()};
    }

    platform::Document* m_document;
    QList<QRect> m_fields;
    QRect m_column;
};
