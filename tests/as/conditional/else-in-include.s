; an .else met in an included file skips to the block's .endif, past the
; end of that file and on in the including one
        .data
        .if 1
        .byte 0x01
        .include "else-branch.inc"
        .byte 0x02
        .endif
        .byte 0x03
