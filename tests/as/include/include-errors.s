; files that are missing or are not regular files, and operands that are
; not one string, include nothing
        .data
        .include "missing.inc"
        .include "b/sub"
        .include "sub"
        .include missing.inc
        .include
        .include "a/both.inc" 1
        .include "a/both.inc", "b/both.inc"
        .byte 0x01
