#include "catalogs/ItemList.h"

#include "data/Dataset.h"

namespace ItemList {

void sortByTitle(Dataset *dataset, const QString &field)
{
    const bool desc = dataset->sort().contains(QLatin1String("DESC"));
    if (field == QLatin1String("marka"))
        dataset->setSort(desc ? QStringLiteral("marka, s_nom ASC") : QStringLiteral("marka DESC, s_nom ASC"));
    else if (field == QLatin1String("s_nom"))
        dataset->setSort(desc ? QStringLiteral("s_nom, marka ASC") : QStringLiteral("s_nom DESC, marka ASC"));
}

} // namespace ItemList
