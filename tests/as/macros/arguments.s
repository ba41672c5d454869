; macro arguments: by position, by name, separated by commas or blanks,
; defaults for empty and missing ones, quoted text, :vararg and \()
        .data
        .macro pair a=5, b=6
        .byte \a, \b
        .endm
        pair                    ; 05 06: both defaults
        pair 1                  ; 01 06
        pair ,2                 ; 05 02: an empty argument takes the default
        pair b=9                ; 05 09
        pair b=9 a=8            ; 08 09: keywords in any order
        pair 3, b=4             ; 03 04
        pair 1 2                ; 01 02: blanks separate too
        pair 1+2 3              ; 03 03
        pair (1 + 2) 7          ; 03 07: blanks inside parentheses stay
        .macro text s, t="x y"
        .ascii "\s<\t>"
        .endm
        text "a b"              ; quotes are taken off: "a b<x y>"
        text q, "1,2"           ; "q<1,2>"
        .macro rest first, others:vararg
        .byte \first
        .byte \others
        .endm
        rest 1, 2, 3, 4         ; the rest of the line, commas and all
        rest 7                  ; 07, and an empty .byte: 00
        .macro glue p
        .byte 0x\p\()1, \p\()\p
        .endm
        glue 2                  ; 0x21 and 22 (0x16)
        .macro req n:req
        .byte \n
        .endm
        req 0x7f
