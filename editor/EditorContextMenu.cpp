#include "editor/EditorContextMenu.h"

#include "platform/menu/ContextMenus.h"

bool EditorContextMenu::AddItem(std::uint32_t flags, std::uint32_t id, const QString& text)
{
    if (m_items.size() >= kMostItems) return false;
    if (flags & kSeparator) {
        m_items.append({flags, 0, QString()});
    } else {
        m_items.append({flags, id, text});
    }
    return true;
}

void EditorContextMenu::Show(QPoint globalPos) const
{
    if (m_menuId != 0) {
        platform::ContextMenus::showPopupMenu(m_menuId, globalPos);
    } else {
        platform::ContextMenus::trackPopup(OwnItems(), globalPos);
    }
}

QList<platform::MenuItem> EditorContextMenu::OwnItems() const
{
    if (m_items.isEmpty()) {
        return {{57635, QStringLiteral("&Ausschneiden\tStrg+X"), false},
                {57634, QStringLiteral("&Kopieren\tStrg+C"), false},
                {57637, QStringLiteral("E&infügen\tStrg+V"), false}};
    }
    QList<platform::MenuItem> items;
    for (const Item& item : m_items) items.append({int(item.id), item.text, (item.flags & kSeparator) != 0});
    return items;
}
