; references that reach before the paragraph or beyond the window
        .text
p1:
        getl 1
        getl 2
        getl 3
        addl @5, 1
        complete
p2:
        getl 1
        getl 2
        getl 3
        addl @64, 1
        complete
p3:
        addl @x, 1
        addl @0f1.0, 1
        addl 1, 1
        complete
