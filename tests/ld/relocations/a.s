; relocated fields of every size against symbols of this object and of
; another one
        .data
        .globl here
here:   .byte 0x7f + big        ; 0x17f: truncated, but big is absolute
        .byte zero - 1          ; 0xff stays 0xff: nothing lost
        .byte here              ; 0x40000 in a byte: truncated
        .byte there             ; the same against another object's symbol
        .short there + 2        ; 0x40002 in two bytes: truncated
        .long there + 4         ; fits
        .quad there - 0x50000   ; 64 bits never truncate
