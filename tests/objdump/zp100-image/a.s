; Paragraphs the linker deals out to the four processing units: five
; short operations wrap round to unit 0, the next paragraph of two then
; starts a row later than the fill, and long operations keep both words
; on one unit.
        .data
v:      .long 7

        .text
        .globl start
start:
        getl #1
        getl #2
        addl @1, @2
        addl @1, @2
        addl @1, @2
        complete

two:
        rdl v
        wrl @1, v
        complete

again:
        getl 3
        addl @1, #4
        addl @1, 5
        jmp start
        complete
