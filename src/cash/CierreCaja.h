#pragma once

// The options menu's "Cierre de caja" (its button stays hidden): after two confirmations it
// offers to print the day's sales sheet, marks every movement closed and ends the program.
// Returns true when the cash was closed; false leaves everything as it was.
bool cmdCierreCaja_Click();
