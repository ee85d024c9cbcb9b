// The vocabulary of the program's messages and modal windows, shared by the
// routines that ask and the windows that show: icon types, button sets and
// the modal results of the buttons.
#ifndef TAVILO_CORE_MESSAGE_KINDS_H
#define TAVILO_CORE_MESSAGE_KINDS_H

#include <cstdint>

namespace tavilo::core {

// mtLeer and mbLeer mean: take the dialog component's property.
enum TMsgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom, mtLeer };
enum TMsgBtn : std::uint8_t { mbJa, mbNein, mbOK, mbJaNein, mbJaNeinAbbruch, mbLeer, mbJaNeinAlle };

// What a modal window answers; the close box answers mrCancel.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7, mrNoToAll = 9, mrYesToAll = 10 };

}  // namespace tavilo::core

#endif
