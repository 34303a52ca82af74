#include "platform/dialog/HelpContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <memory>

namespace platform {
namespace {

HelpContext::ShowHelp& command()
{
    static HelpContext::ShowHelp current;
    return current;
}

// F1, whichever window has the focus; the key goes no further.
class HelpKey : public QObject {
public:
    HelpKey() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !watched->isWidgetType()) {
            return QObject::eventFilter(watched, event);
        }
        event->accept();
        if (event->type() == QEvent::KeyPress) HelpContext::showHelp();
        return true;
    }
};

std::unique_ptr<HelpKey>& helpKey()
{
    static std::unique_ptr<HelpKey> key;
    return key;
}

}  // namespace

void HelpContext::showHelp()
{
    if (command()) command()();
}

void HelpContext::setShowHelp(ShowHelp newCommand)
{
    command() = std::move(newCommand);
    if (!command()) {
        helpKey().reset();
    } else if (!helpKey() && qApp) {
        helpKey() = std::make_unique<HelpKey>();
    }
}

}  // namespace platform
