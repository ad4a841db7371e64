// The flag list.
#include "model/Flags.h"

TFlag& TTheFlags::Add(TFlag flag) {
    m_flags.push_back(std::make_unique<TFlag>(std::move(flag)));
    return *m_flags.back();
}
