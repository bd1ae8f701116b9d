#pragma once

// The short ticket a shop prints to try a new printer: the shop header, every accented letter
// and Ñ, a garment barcode and the cut.
void ImprimirTicketPrueba();
