; the .endr of a .rept must stand in the same file: one in an included file
; is refused and the including file's own .endr closes the block
        .data
        .rept 2
        .byte 0x01
        .include "endr-elsewhere.inc"
        .byte 0x02
        .endr
