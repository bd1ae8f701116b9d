#pragma once

// The ticket of a haberdashery sale over the counter: shop header, the amount, the date, and
// the footer with the cut.
void ImprimirTicketMerceria(double importe);
