#include "commands/CommandTable.h"

#include <stdexcept>
#include <string>

void CommandTable::Add(int id, Work work) {
    if (!m_works.emplace(id, std::move(work)).second)
        throw std::logic_error("Command " + std::to_string(id) + " was added twice");
}

bool CommandTable::Run(int id) const {
    const auto found = m_works.find(id);
    if (found == m_works.end())
        return false;
    // A copy: the work may change the table (a rebuild) while it runs.
    const Work work = found->second;
    work();
    return true;
}
