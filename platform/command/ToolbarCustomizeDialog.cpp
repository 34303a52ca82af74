#include "platform/command/ToolbarCustomizeDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

namespace {

const QString kSeparatorText = QStringLiteral("---- Trennlinie ----");

QVBoxLayout* column(const QString& title, QListWidget* list)
{
    auto* layout = new QVBoxLayout;
    auto* label = new QLabel(title);
    label->setBuddy(list);
    layout->addWidget(label);
    layout->addWidget(list);
    return layout;
}

}  // namespace

const QString ToolbarCustomizeDialog::kNewToolbarName = QStringLiteral("Benutzerdefiniert %1");

ToolbarCustomizeDialog::ToolbarCustomizeDialog(Toolbars& toolbars, CommandActions& actions,
                                               const QList<int>& commands, QWidget* parent)
    : QDialog(parent),
      m_toolbars(&toolbars),
      m_actions(actions),
      m_toolbarList(new QListWidget),
      m_commandList(new QListWidget),
      m_buttonList(new QListWidget)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Anpassen"));

    for (int id : commands) {
        QAction* action = actions.action(id);
        auto* item =
            new QListWidgetItem(action->icon(), CommandActions::plainText(action->text()), m_commandList);
        item->setData(Qt::UserRole, id);
    }

    auto* toolbarButtons = new QVBoxLayout;
    toolbarButtons->addWidget(button(QStringLiteral("&Neu"), &ToolbarCustomizeDialog::newToolbar));
    toolbarButtons->addWidget(button(QStringLiteral("&Löschen"), &ToolbarCustomizeDialog::deleteToolbar));
    toolbarButtons->addWidget(button(QStringLiteral("&Zurücksetzen"), &ToolbarCustomizeDialog::resetToolbar));
    toolbarButtons->addStretch();

    auto* buttonButtons = new QVBoxLayout;
    buttonButtons->addWidget(button(QStringLiteral("&Hinzufügen >"), &ToolbarCustomizeDialog::addCommand));
    buttonButtons->addWidget(button(QStringLiteral("< &Entfernen"), &ToolbarCustomizeDialog::removeButton));
    buttonButtons->addWidget(button(QStringLiteral("&Trennlinie"), &ToolbarCustomizeDialog::addSeparator));
    QPushButton* up = button(QStringLiteral("Nach &oben"), nullptr);
    QPushButton* down = button(QStringLiteral("Nach &unten"), nullptr);
    connect(up, &QPushButton::clicked, this, [this] { moveButton(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveButton(1); });
    buttonButtons->addWidget(up);
    buttonButtons->addWidget(down);
    buttonButtons->addStretch();

    auto* grid = new QGridLayout;
    grid->addLayout(column(QStringLiteral("&Symbolleisten:"), m_toolbarList), 0, 0);
    grid->addLayout(toolbarButtons, 0, 1);
    grid->addLayout(column(QStringLiteral("&Befehle:"), m_commandList), 0, 2);
    grid->addLayout(buttonButtons, 0, 3);
    grid->addLayout(column(QStringLiteral("S&chaltflächen:"), m_buttonList), 0, 4);

    auto* close = new QDialogButtonBox;
    close->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(close);

    connect(m_toolbarList, &QListWidget::currentRowChanged, this, &ToolbarCustomizeDialog::fillButtons);
    connect(m_toolbarList, &QListWidget::itemChanged, this, &ToolbarCustomizeDialog::toolbarItemChanged);
    fillToolbars();
}

QPushButton* ToolbarCustomizeDialog::button(const QString& text, void (ToolbarCustomizeDialog::*slot)())
{
    auto* push = new QPushButton(text);
    push->setAutoDefault(false);
    if (slot) connect(push, &QPushButton::clicked, this, slot);
    return push;
}

void ToolbarCustomizeDialog::fillToolbars()
{
    const int row = m_toolbarList->currentRow();
    const QSignalBlocker blocker(m_toolbarList);
    m_toolbarList->clear();
    const Toolbars* toolbars = m_toolbars.data();
    if (!toolbars) return;
    for (QToolBar* toolbar : toolbars->toolbars()) {
        auto* item = new QListWidgetItem(toolbar->windowTitle(), m_toolbarList);
        item->setData(Qt::UserRole, toolbars->idOf(*toolbar));
        Qt::ItemFlags flags = item->flags() | Qt::ItemIsUserCheckable;
        if (toolbars->isUserToolbar(*toolbar)) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        item->setCheckState(toolbar->isHidden() ? Qt::Unchecked : Qt::Checked);
    }
    if (m_toolbarList->count() > 0)
        m_toolbarList->setCurrentRow(std::clamp(row, 0, m_toolbarList->count() - 1));
    fillButtons();
}

QToolBar* ToolbarCustomizeDialog::selectedToolbar() const
{
    const QListWidgetItem* item = m_toolbarList->currentItem();
    return item && m_toolbars ? m_toolbars->findById(item->data(Qt::UserRole).toInt()) : nullptr;
}

void ToolbarCustomizeDialog::fillButtons()
{
    m_buttonList->clear();
    QToolBar* toolbar = selectedToolbar();
    if (!toolbar) return;
    for (int id : m_toolbars->buttons(*toolbar)) {
        QListWidgetItem* item = nullptr;
        if (id == 0) {
            item = new QListWidgetItem(kSeparatorText, m_buttonList);
        } else {
            QAction* action = m_actions.action(id);
            item =
                new QListWidgetItem(action->icon(), CommandActions::plainText(action->text()), m_buttonList);
        }
        item->setData(Qt::UserRole, id);
    }
}

void ToolbarCustomizeDialog::toolbarItemChanged(QListWidgetItem* item)
{
    QToolBar* toolbar = m_toolbars ? m_toolbars->findById(item->data(Qt::UserRole).toInt()) : nullptr;
    if (!toolbar) return;
    toolbar->setVisible(item->checkState() == Qt::Checked);
    if (m_toolbars->isUserToolbar(*toolbar) && !item->text().trimmed().isEmpty())
        toolbar->setWindowTitle(item->text().trimmed());
}

void ToolbarCustomizeDialog::newToolbar()
{
    Toolbars* toolbars = m_toolbars.data();
    if (!toolbars) return;
    int number = 1;
    const QList<QToolBar*> all = toolbars->toolbars();
    const auto nameTaken = [&all](const QString& name) {
        return std::any_of(all.begin(), all.end(), [&](QToolBar* t) { return t->windowTitle() == name; });
    };
    while (nameTaken(kNewToolbarName.arg(number))) ++number;
    QToolBar* toolbar = toolbars->createUserToolbar(kNewToolbarName.arg(number));
    if (!toolbar) return;
    fillToolbars();
    m_toolbarList->setCurrentRow(m_toolbarList->count() - 1);
}

void ToolbarCustomizeDialog::deleteToolbar()
{
    if (!m_toolbars) return;
    m_toolbars->deleteUserToolbar(selectedToolbar());
    fillToolbars();
}

void ToolbarCustomizeDialog::resetToolbar()
{
    if (QToolBar* toolbar = selectedToolbar()) m_toolbars->resetButtons(*toolbar);
    fillButtons();
}

void ToolbarCustomizeDialog::changeButtons(const std::function<void(QList<int>&, int&)>& change)
{
    QToolBar* toolbar = selectedToolbar();
    if (!toolbar) return;
    QList<int> buttons = m_toolbars->buttons(*toolbar);
    int row = m_buttonList->currentRow();
    change(buttons, row);
    m_toolbars->setButtons(*toolbar, buttons);
    fillButtons();
    // A separator left first, last or beside another is gone from the bar and so from the list.
    m_buttonList->setCurrentRow(std::min(row, m_buttonList->count() - 1));
}

void ToolbarCustomizeDialog::addCommand()
{
    const QListWidgetItem* command = m_commandList->currentItem();
    QToolBar* toolbar = selectedToolbar();
    if (!command || !toolbar) return;
    const int id = command->data(Qt::UserRole).toInt();
    // A toolbar shows a command once: one it has already is only picked out in the list of its buttons.
    const int onToolbar = m_toolbars->buttons(*toolbar).indexOf(id);
    if (onToolbar >= 0) {
        m_buttonList->setCurrentRow(onToolbar);
        return;
    }
    changeButtons([id](QList<int>& buttons, int& row) {
        row = row < 0 ? buttons.size() : row + 1;
        buttons.insert(row, id);
    });
}

void ToolbarCustomizeDialog::addSeparator()
{
    changeButtons([](QList<int>& buttons, int& row) {
        row = row < 0 ? buttons.size() : row + 1;
        buttons.insert(row, 0);
    });
}

void ToolbarCustomizeDialog::removeButton()
{
    changeButtons([](QList<int>& buttons, int& row) {
        if (row < 0 || row >= buttons.size()) return;
        buttons.removeAt(row);
        row = std::min<int>(row, buttons.size() - 1);
    });
}

void ToolbarCustomizeDialog::moveButton(int step)
{
    changeButtons([step](QList<int>& buttons, int& row) {
        const int target = row + step;
        if (row < 0 || target < 0 || target >= buttons.size()) return;
        buttons.swapItemsAt(row, target);
        row = target;
    });
}

}  // namespace platform
