#pragma once
// Identifiers of the program's resources, shared by the resource script and the code.

#define IDI_KIVO68I 1
#define IDB_ARTWORK 101
