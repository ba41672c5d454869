; the worked example of the operation word: getl 5 whose result addl
; uses at distance 1, in each model's byte order
        .text
p:
        getl 5
        addl @1, 7
        complete
