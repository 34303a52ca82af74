#pragma once

#include "platform/dialog/DialogTemplate.h"
#include "platform/dialog/DialogUnits.h"

#include <QHash>
#include <QKeySequence>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace platform {

// The controls of one dialog template, built as children of a dialog or a property page. Each control's
// objectName is its id; an up-down control works the edit field before it. The controls are placed from
// the template's dialog units; where the font needs more room than the units give, every horizontal
// measure is widened alike, so no text is ever cut.
class DialogControls {
public:
    // The images the template's icons name, by resource id.
    using ImageSource = std::function<QPixmap(int imageId)>;

    DialogControls(QWidget& host, DialogTemplate dialogTemplate, const ImageSource& images = {});

    const DialogTemplate& dialogTemplate() const { return m_template; }
    QWidget* item(int id) const { return m_items.value(id); }
    template <class Control>
    Control* itemAs(int id) const
    {
        return qobject_cast<Control*>(item(id));
    }

    QString text(int id) const;
    // Where Alt with the letter of `mnemonic` leads: the control after a static that names it, or the button
    // that does; null when no control names it.
    QWidget* mnemonicTarget(const QKeySequence& mnemonic) const;
    // Widens the controls when the new text needs it.
    void setText(int id, const QString& text);

    // Lays the controls out again, widened as far as their present texts need; widening never shrinks.
    void fit();
    double widening() const { return m_widening; }
    const DialogUnits& units() const { return m_units; }

private:
    QWidget* create(const ControlTemplate& control, const ImageSource& images);
    void setTabOrderAndBuddies();
    void layOut();
    bool allTextsFit() const;

    QWidget& m_host;
    DialogTemplate m_template;
    DialogUnits m_units;
    QList<QWidget*> m_controls;  // in template order
    QHash<int, QWidget*> m_items;
    double m_widening = 1.0;
};

}  // namespace platform
