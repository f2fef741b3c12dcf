#pragma once

#include <QString>

class Dataset;

// What the two item lists (TForm3 and the chooser TForm303) share.
namespace ItemList {

// The sort both lists take when they are shown.
inline const QString DefaultSort = QStringLiteral("marka, s_nom ASC");

// A title click of an item grid, by the column's field: "marka" ("Наименование") toggles between
// "marka, s_nom ASC" and "marka DESC, s_nom ASC", "s_nom" ("Вид номенклатуры") between
// "s_nom, marka ASC" and "s_nom DESC, marka ASC" (descending unless the current sort text holds
// "DESC"); other fields do nothing.
void sortByTitle(Dataset *dataset, const QString &field);

} // namespace ItemList
