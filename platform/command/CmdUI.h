#pragma once

#include <QString>
#include <optional>

namespace platform {

// The state an update handler gives a command's menu item, toolbar button and accelerator: enabled, check
// mark (0 none, 1 checked), radio mark and, when the handler sets one, another item text.
class CmdUI {
public:
    explicit CmdUI(int id) : m_id(id) {}

    int id() const { return m_id; }

    void Enable(bool on = true) { m_enabled = on; }
    void SetCheck(int check = 1) { m_check = check; }
    void SetRadio(bool on = true) { m_radio = on; }
    void SetText(const QString& text) { m_text = text; }

    bool isEnabled() const { return m_enabled; }
    int check() const { return m_check; }
    bool isRadio() const { return m_radio; }
    // A check or radio mark shows.
    bool isMarked() const { return m_check != 0 || m_radio; }
    const std::optional<QString>& text() const { return m_text; }

private:
    int m_id;
    bool m_enabled = true;
    int m_check = 0;
    bool m_radio = false;
    std::optional<QString> m_text;
};

}  // namespace platform
