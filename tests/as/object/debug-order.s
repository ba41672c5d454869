; with -g the debug sections follow .bss, each relocated one with its .rel
; section right behind it; the user's own section comes after them
        .data
v:      .long 1
        .section mine, "a"
        .byte 2
        .text
p:
        getl 5
        rdl v
        complete
