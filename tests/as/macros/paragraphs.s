; macros inside paragraphs: the operations they make are operations of the
; paragraph, and switchboard references count them as written after the
; expansion; a macro with a label and complete makes a whole paragraph
        .data
a:      .long 5
b:      .long 7
sum:    .long 0
        .macro load from
        rdl \from
        .endm
        .macro add2
        addl @1, @2
        .endm
        .macro store to
        wrl @1, \to
        .endm
        .macro paragraph name, x, y, to
\name:
        load \x
        load \y
        add2
        store \to
        complete
        .endm

        .text
main:
        load a
        load b
        add2            ; @1 and @2 are the two loads
        store sum       ; @1 is the addition
        getl @3         ; three operations back: the load of b
        complete
        paragraph second, b, a, sum
        paragraph third, a, a, b
