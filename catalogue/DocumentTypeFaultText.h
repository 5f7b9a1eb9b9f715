#pragma once

// The one refusal the catalogue words itself: a document type outside the
// ten, followed by the name of the operation that met it. The catalogue
// throws it and so does convert/, so it lives in the lower of the two. Both
// front ends show it as it is, and their tests compare it word for word.

namespace QRNConsts {

inline constexpr char sInvalidDocType[] = "Недопустимый тип товара в функции ";

} // namespace QRNConsts
