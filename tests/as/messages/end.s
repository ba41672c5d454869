; .end stops reading every open file: nothing after it is assembled, in
; the included file or in the one that included it
        .data
        .byte 0x01
        .include "ends-here.inc"
        .byte 0x04
        .err
