#include "gui/editors/drop_down_list.h"

void DropDownList::showPopup() {
  emit aboutToOpen();
  QComboBox::showPopup();
}
