#pragma once

// How far a table's reset goes. A stage start frees the slots: what the records held stays
// until a slot is used again. A test's start zeroes the records and rewinds the cursors as
// well, so that it begins from the tables of a fresh run whatever ran before it.
enum class TableReset { FreeSlots, Zero };
