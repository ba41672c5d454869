; operation 69 uses the result of operation 6, 63 places back: the
; ring keeps operation 6 until then, so its word carries lifetime 63
        .text
p:
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        notq #5
        notq #6
        notq #7
        notq #0
        notq #1
        notq #2
        notq #3
        notq #4
        addl @63, #2
        complete
q:
        notq #7
        complete
