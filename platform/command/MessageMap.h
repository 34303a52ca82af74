#pragma once

#include "platform/command/CommandTarget.h"

#include <initializer_list>
#include <vector>

namespace platform {

// The message map of one class: command handlers and update handlers by command id, and the map of its base
// class, asked when this one has no entry.
class MessageMapBase {
public:
    explicit MessageMapBase(const MessageMapBase* base) : m_base(base) {}
    virtual ~MessageMapBase() = default;

    const MessageMapBase* base() const { return m_base; }
    virtual bool dispatch(CommandTarget& target, int id, CmdMsg msg, CmdUI* ui) const = 0;

private:
    const MessageMapBase* m_base;
};

template <class Target>
class MessageMap : public MessageMapBase {
public:
    using Handler = void (Target::*)();
    using RangeHandler = void (Target::*)(int id);
    using UpdateHandler = void (Target::*)(CmdUI&);

    struct Entry {
        int first;
        int last;
        Handler command = nullptr;
        RangeHandler rangeCommand = nullptr;
        UpdateHandler update = nullptr;
    };

    static Entry command(int id, Handler handler) { return {id, id, handler, nullptr, nullptr}; }
    // One handler for the ids first to last, which it is given.
    static Entry commandRange(int first, int last, RangeHandler handler)
    {
        return {first, last, nullptr, handler, nullptr};
    }
    static Entry update(int id, UpdateHandler handler) { return {id, id, nullptr, nullptr, handler}; }

    MessageMap(const MessageMapBase* base, std::initializer_list<Entry> entries)
        : MessageMapBase(base), m_entries(entries)
    {
    }

    bool dispatch(CommandTarget& target, int id, CmdMsg msg, CmdUI* ui) const override
    {
        Target& self = static_cast<Target&>(target);
        for (const Entry& entry : m_entries) {
            if (id < entry.first || id > entry.last) continue;
            if (msg == CmdMsg::UpdateUi && entry.update && ui) {
                (self.*entry.update)(*ui);
                return true;
            }
            const bool handles = entry.command || entry.rangeCommand;
            if (msg == CmdMsg::ProbeHandler && handles) return true;
            if (msg == CmdMsg::Command && entry.command) {
                (self.*entry.command)();
                return true;
            }
            if (msg == CmdMsg::Command && entry.rangeCommand) {
                (self.*entry.rangeCommand)(id);
                return true;
            }
        }
        return false;
    }

private:
    std::vector<Entry> m_entries;
};

}  // namespace platform
