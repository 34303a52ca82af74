#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <type_traits>

namespace platform {

class DialogControls;

// One pass of a dialog's data exchange: loading puts the values into the controls, saving reads them back and
// checks them. A refused entry shows the framework's German message, puts the focus on the control with its
// text selected, and ends the pass: the value stays as it was, the exchanges after it do nothing and failed()
// tells the dialog to stay.
class DataExchange {
public:
    DataExchange(DialogControls& controls, bool saveAndValidate);

    bool saving() const { return m_saving; }
    bool failed() const { return m_failed; }

    void text(int id, QString& value);
    void text(int id, int& value);
    void text(int id, int& value, int min, int max);
    void text(int id, unsigned& value);
    void text(int id, float& value);
    void text(int id, float& value, float min, float max);
    // 0 unchecked, 1 checked.
    void check(int id, int& value);

    // The framework's reading of a number typed into an edit field: blanks and tabs around it, an optional
    // sign (none for the unsigned), digits, and a value that fits the type.
    static std::optional<int> parseInt(QStringView text);
    static std::optional<unsigned> parseUnsigned(QStringView text);
    // A number with a decimal point, whatever the machine's regional settings; infinities and NaN are
    // refused.
    static std::optional<float> parseFloat(QStringView text);
    // Six significant digits, the way the framework shows a float.
    static QString formatFloat(float value);

private:
    bool active() const { return !m_failed; }
    template <class Number>
    void number(int id, Number& value, std::optional<Number> (*parse)(QStringView),
                std::type_identity_t<QString (*)(Number)> format, const QString& refusal);
    // A refused value is left as it was.
    template <class Number>
    void inRange(int id, Number& value, Number min, Number max, const QString& refusal);
    void refuse(int id, const QString& message);

    DialogControls& m_controls;
    bool m_saving;
    bool m_failed = false;
};

}  // namespace platform
