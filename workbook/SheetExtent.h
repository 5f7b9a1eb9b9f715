#pragma once

// How much of the sheet a read wants: all of it, or its first rows only (the
// sink stops the read with ReadingStopped once it is past the row it wants).
enum class SheetExtent { Whole, FirstRows };

// Thrown by a sink that has what it wanted, to end a read early; never a
// failure, and caught by whoever started the read.
struct ReadingStopped {};
