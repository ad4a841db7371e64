// One table from command id to the work that carries it out.
#pragma once

#include <functional>
#include <unordered_map>

// Each group of commands adds its ids; the menus, the keys and the controls run them by id.
// UI thread only.
class CommandTable {
public:
    using Work = std::function<void()>;

    // A second work for the same id is a programming error: it throws std::logic_error.
    void Add(int id, Work work);
    bool Has(int id) const { return m_works.contains(id); }
    // Runs the id's work; false, with nothing done, for an id without a command of its own.
    bool Run(int id) const;

private:
    std::unordered_map<int, Work> m_works;
};
