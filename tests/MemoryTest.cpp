// The memory database: reviews, cards, passes and the queries over them.
