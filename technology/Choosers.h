#pragma once

#include <QString>

// The catalog choosers the process card and the operation card open, and what they write back.
namespace Choosers {

// The item list (TForm3) choosing for the process card: tag 33 = the item made, 3 = the source
// item; `where` ends the item selection ("where ii.id_type <> 0", ...).
void chooseItem(int tag, const QString &where);
// The reduced chooser (TForm303) choosing the source item of a process for a preset item.
void chooseSourceWithNomenclatureChooser(const QString &where);
// The operation types list (TForm8) choosing the type of the operation card.
void chooseOperationType();

} // namespace Choosers
