; unreferenced .L labels are not written; an undefined one named by a
; relocation becomes a global undefined symbol; other locals are written
        .data
.L5:    .byte 1
loop:   .byte 2
        .long .L6
        .long .L5
