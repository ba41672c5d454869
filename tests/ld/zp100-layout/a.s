; four 4-byte operations, one on each unit; the next paragraph starts a row
; lower, and its label is that row
        .text
        .globl p1, p2
p1:     getl #1
        addl @1, #2
        addl @1, @2
        addl @1, @2
        complete
p2:     getl #3
        complete
