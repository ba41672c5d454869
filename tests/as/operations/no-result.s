; references to an operation that produces no result (a store)
        .data
x:      .long 0
        .text
p:
        getl 1
        wrl @1, x
        addl @1, 2
        complete
q:
        getl 1
w:=
        wrl @1, x
        getl 2
        addl @w, 2
        complete
