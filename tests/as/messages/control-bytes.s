; control bytes of the source are shown as escapes: a message stays on one
; line and the source cannot drive the terminal
        .data
        .byte "tab	and [2J"
        .byte "two
lines"
        .error "bell\a, \x1b[0m and \x7f"
        .byte 
        .syntax '\n
        .long 
        .byte "café"
