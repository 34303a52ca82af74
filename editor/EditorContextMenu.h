#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>

namespace platform {
struct MenuItem;
}

// The right-click menu of the live edit window: the application's menu when the view names one, else the
// items the program added, or cut, copy and paste while it added none.
class EditorContextMenu {
public:
    struct Item {
        std::uint32_t flags = 0;
        std::uint32_t id = 0;
        QString text;
    };
    static constexpr int kMostItems = 25;
    static constexpr std::uint32_t kSeparator = 0x800;

    // The application's menu `menuId`; 0 shows the editor's own items.
    void UseMenu(int menuId) { m_menuId = menuId; }
    // False when all 25 items exist. A separator gets id 0 and no text.
    bool AddItem(std::uint32_t flags, std::uint32_t id, const QString& text);
    const QList<Item>& Items() const { return m_items; }
    void Show(QPoint globalPos) const;

private:
    QList<platform::MenuItem> OwnItems() const;

    int m_menuId = 0;
    QList<Item> m_items;
};
