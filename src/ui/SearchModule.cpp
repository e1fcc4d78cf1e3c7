#include "SearchModule.h"

#include "EmoticonList.h"

namespace SearchModule {

int SearchList(const EmoticonList& list, QStringView text, int start)
{
    if (text.isEmpty())
        return -1;
    const QStringList entries = list.entries();
    const int count = int(entries.size());
    const int first = start >= 0 && start < count ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int row = (first + step) % count;
        if (entries[row].startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace SearchModule
