#pragma once

// The keys of section "Params" besides the per-type scheme keys, which
// GetCorrespondenceParamName gives.

// The message header parties, remembered from one start to the next.
inline constexpr char kFromSAN[] = "FromSAN";
inline constexpr char kFromCompany[] = "FromCompany";
inline constexpr char kFromPerson[] = "FromPerson";
inline constexpr char kToSAN[] = "ToSAN";
inline constexpr char kToCompany[] = "ToCompany";
inline constexpr char kToPerson[] = "ToPerson";

// How step 1 reads the sheet: "0" strict, "1" the supplier layout. The
// window remembers it; the command line takes only its --layout.
inline constexpr char kLayout[] = "Layout";

// Step 1's header row: "auto" when the window searches it in every workbook
// chosen; otherwise each workbook starts at row 1.
inline constexpr char kHeaderRow[] = "HeaderRow";

// The window's size as the user last left it, "1000x700"; never smaller
// than its classic size.
inline constexpr char kWindowSize[] = "WindowSize";

// Flag: the invoice run puts all positions into one invoice instead of
// packages of 15. Set by hand in the file; the program never writes it.
inline constexpr char kNoSeparate15Pos[] = "NoSeparate15Pos";
