#pragma once

// The notes every message carries in its header (MessageNote), one per kind
// of message. They are read by the receiver of the XML rather than the user,
// and tell the receiver which program wrote it, so they never change with a
// release; the golden XML compares them exactly. The runs choose the note and
// the header writer writes it: they live here so that the writers' tests can
// use them without the runs.

namespace QRNConsts {

inline constexpr char sPriceListNote[] = "Generated Quarnel 3.0 KALMIRA";
inline constexpr char sInvoiceNote[] = "Generated Quarnel 3.0";

} // namespace QRNConsts
