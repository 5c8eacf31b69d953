#include "engine/TableWindow.h"

namespace belote {

const char* ControlName(Control c) {
  static const char* const kNames[] = {
      "ET1",    "ET2",    "ET3",      "ET4",    "ET5",     "ET6",     "ET7",     "ET8",
      "ET9",    "ET10",   "ET11",     "ET12",   "ET13",    "ET14",    "ET15",    "ET16",
      "ET17",   "ET18",   "ET19",     "ET20",   "ET21",    "ET22",    "Label4",  "Label5",
      "Label6", "Label7", "Meilleur", "Image1", "Image2",  "Image3",  "Image4",  "Image5",
      "Image6", "Image7", "Image8",   "Image9", "Image10", "Image11", "Image12", "Image13",
  };
  static_assert(sizeof(kNames) / sizeof(kNames[0]) == static_cast<int>(Control::Count));
  const int i = static_cast<int>(c);
  return i >= 0 && i < static_cast<int>(Control::Count) ? kNames[i] : "?";
}

}  // namespace belote
