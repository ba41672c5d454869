; a file that includes itself, directly or through another, is stopped at
; 64 open files with one error instead of recursing until the process dies
        .data
        .include "self.inc"
        .include "ping.inc"
        .byte 0x02
