#pragma once
// A PDS3 label of a 4x2 grid of bytes whose data stand in the detached file DATA.IMG beside it.

inline constexpr const char* kPdsLabel =
    "PDS_VERSION_ID = PDS3\r\nRECORD_TYPE = FIXED_LENGTH\r\nRECORD_BYTES = 4\r\n"
    "FILE_RECORDS = 2\r\n^IMAGE = \"DATA.IMG\"\r\nOBJECT = IMAGE\r\n  LINES = 2\r\n"
    "  LINE_SAMPLES = 4\r\n  SAMPLE_TYPE = UNSIGNED_INTEGER\r\n  SAMPLE_BITS = 8\r\n"
    "END_OBJECT = IMAGE\r\nEND\r\n";
