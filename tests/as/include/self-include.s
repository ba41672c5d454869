; a file that includes itself is stopped at 64 open files with one error,
; and the pass reads no further: neither the other self-inclusions above
; nor the rest of this file
        .data
        .include "self.inc"
        .byte 0x02
        .err
