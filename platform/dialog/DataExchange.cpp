#include "platform/dialog/DataExchange.h"

#include "platform/dialog/DialogControls.h"
#include "platform/dialog/UiService.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <cmath>
#include <limits>

namespace platform {
namespace {

const QString kEnterInt = QStringLiteral("Geben Sie eine ganze Zahl ein.");
const QString kEnterIntBetween = QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.");
const QString kEnterUnsigned = QStringLiteral("Geben Sie eine positive ganze Zahl ein.");
const QString kEnterNumber = QStringLiteral("Geben Sie eine Zahl ein.");
const QString kEnterNumberBetween = QStringLiteral("Geben Sie eine Zahl zwischen %1 und %2 ein.");

QStringView trimBlanks(QStringView text)
{
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

// Sign and magnitude of a whole number; nullopt unless the text is an optional sign followed by digits.
std::optional<std::pair<bool, quint64>> parseWhole(QStringView text)
{
    text = trimBlanks(text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty()) return std::nullopt;
    quint64 magnitude = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > std::numeric_limits<quint32>::max()) return std::nullopt;
    }
    return std::pair{negative, magnitude};
}

}  // namespace

DataExchange::DataExchange(DialogControls& controls, bool saveAndValidate)
    : m_controls(controls), m_saving(saveAndValidate)
{
}

std::optional<int> DataExchange::parseInt(QStringView text)
{
    const auto whole = parseWhole(text);
    if (!whole) return std::nullopt;
    const auto [negative, magnitude] = *whole;
    const qint64 value = negative ? -qint64(magnitude) : qint64(magnitude);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<unsigned> DataExchange::parseUnsigned(QStringView text)
{
    const auto whole = parseWhole(text);
    if (!whole || whole->first) return std::nullopt;
    return unsigned(whole->second);
}

std::optional<float> DataExchange::parseFloat(QStringView text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(trimBlanks(text), &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return float(value);
}

QString DataExchange::formatFloat(float value)
{
    return QString::number(double(value), 'g', 6);
}

void DataExchange::text(int id, QString& value)
{
    if (!active()) return;
    if (m_saving) {
        value = m_controls.text(id);
    } else {
        m_controls.setText(id, value);
    }
}

void DataExchange::text(int id, int& value)
{
    number(
        id, value, parseInt, [](int v) { return QString::number(v); }, kEnterInt);
}

void DataExchange::text(int id, int& value, int min, int max)
{
    inRange(id, value, min, max, kEnterIntBetween.arg(min).arg(max));
}

void DataExchange::text(int id, unsigned& value)
{
    number(
        id, value, parseUnsigned, [](unsigned v) { return QString::number(v); }, kEnterUnsigned);
}

void DataExchange::text(int id, float& value)
{
    number(id, value, parseFloat, formatFloat, kEnterNumber);
}

void DataExchange::text(int id, float& value, float min, float max)
{
    inRange(id, value, min, max, kEnterNumberBetween.arg(formatFloat(min), formatFloat(max)));
}

template <class Number>
void DataExchange::number(int id, Number& value, std::optional<Number> (*parse)(QStringView),
                          std::type_identity_t<QString (*)(Number)> format, const QString& refusal)
{
    if (!active()) return;
    if (!m_saving) return m_controls.setText(id, format(value));
    const std::optional<Number> parsed = parse(m_controls.text(id));
    if (!parsed) return refuse(id, refusal);
    value = *parsed;
}

template <class Number>
void DataExchange::inRange(int id, Number& value, Number min, Number max, const QString& refusal)
{
    Number entered = value;
    text(id, entered);
    if (!active() || !m_saving) return;
    if (entered < min || entered > max) return refuse(id, refusal);
    value = entered;
}

void DataExchange::check(int id, int& value)
{
    if (!active()) return;
    auto* box = m_controls.itemAs<QCheckBox>(id);
    if (!box) return;
    if (m_saving) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}

void DataExchange::refuse(int id, const QString& message)
{
    m_failed = true;
    UiService::instance().messageBox(
        {QGuiApplication::applicationDisplayName(), message, MessageButtons::Ok, MessageIcon::Warning});
    QWidget* control = m_controls.item(id);
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

}  // namespace platform
